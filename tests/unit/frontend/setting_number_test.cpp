#include <gtest/gtest.h>

#include "setting_number.h"

namespace {

TEST(SettingNumber, DropsTheFractionTowardMinusInfinity) {
    EXPECT_EQ(ParseSettingNumber("2"), 2);
    EXPECT_EQ(ParseSettingNumber(" 2"), 2);
    EXPECT_EQ(ParseSettingNumber("2 "), 2);
    EXPECT_EQ(ParseSettingNumber("+2"), 2);
    EXPECT_EQ(ParseSettingNumber("-3"), -3);
    EXPECT_EQ(ParseSettingNumber("2.7"), 2);
    EXPECT_EQ(ParseSettingNumber("3.9"), 3);
    EXPECT_EQ(ParseSettingNumber("-1.5"), -2);
    EXPECT_EQ(ParseSettingNumber("-0.5"), -1);
    EXPECT_EQ(ParseSettingNumber("-2.0"), -2);
    EXPECT_EQ(ParseSettingNumber("-0"), 0);
    EXPECT_EQ(ParseSettingNumber(".5"), 0);
    EXPECT_EQ(ParseSettingNumber("7."), 7);
    EXPECT_EQ(ParseSettingNumber("007"), 7);
    EXPECT_EQ(ParseSettingNumber("-.25"), -1);
}

TEST(SettingNumber, HoldsTheSixteenBitRangeAfterTheFractionIsDropped) {
    EXPECT_EQ(ParseSettingNumber("32767"), 32767);
    EXPECT_EQ(ParseSettingNumber("32767.99"), 32767);
    EXPECT_EQ(ParseSettingNumber("-32768"), -32768);
    EXPECT_EQ(ParseSettingNumber("32768"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("40000"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("-32768.5"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("-32769"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("99999999999999999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("0000000000000000000000000000000001"), 1);
}

TEST(SettingNumber, RejectsTextThatIsNoNumber) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", "1a", "1 2", "1..2", "1.2.3",
                             "0x10", "1e3", "--1", "+-1", "\xef\xbc\x91"}) {
        EXPECT_EQ(ParseSettingNumber(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
