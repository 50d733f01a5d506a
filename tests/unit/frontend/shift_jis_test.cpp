#include <gtest/gtest.h>

#include "shift_jis.h"

namespace {

// ソ (83 5C) and ア (83 41), whose second bytes are a backslash and an A.
constexpr char kSo[] = "\x83\x5c";

TEST(ShiftJis, WalksTwoByteCharactersWhole) {
    const std::string text = std::string("a") + kSo + "b\xb1";  // a ソ b ｱ
    EXPECT_EQ(ShiftJisCharacterAt(text, 0), "a");
    EXPECT_EQ(ShiftJisCharacterAt(text, 1), kSo);
    EXPECT_EQ(ShiftJisCharacterAt(text, 2), "b");
    EXPECT_EQ(ShiftJisCharacterAt(text, 3), "\xb1");  // half-width katakana: one byte
    EXPECT_EQ(ShiftJisCharacterAt(text, 4), "");
    EXPECT_EQ(ShiftJisPrefix(text, 2), std::string("a") + kSo);
    // A lead byte with nothing after it is a character of its own.
    EXPECT_EQ(ShiftJisCharacterAt("a\x83", 1), "\x83");
}

TEST(ShiftJis, FindsOnlyRealBackslashes) {
    EXPECT_TRUE(ShiftJisEndsWithBackslash("C:\\Music\\"));
    EXPECT_FALSE(ShiftJisEndsWithBackslash(std::string("C:\\Music\\") + kSo));
    EXPECT_TRUE(ShiftJisEndsWithBackslash(std::string("C:\\") + kSo + "\\"));
    EXPECT_EQ(ShiftJisLastBackslash(std::string("C:\\") + kSo), 2u);
    EXPECT_FALSE(ShiftJisEndsWithBackslash(""));
}

TEST(ShiftJis, FoldsTheCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(ShiftJisEqualIgnoringCase("Section", "SECTION"));
    EXPECT_TRUE(ShiftJisEqualIgnoringCase("bgm\x8b\xe6\x95\xaa", "BGM\x8b\xe6\x95\xaa"));
    // ア (83 41) and ャ (83 61) differ only in what looks like the case of
    // their second byte; they are different characters.
    EXPECT_FALSE(ShiftJisEqualIgnoringCase("\x83\x41", "\x83\x61"));
    EXPECT_EQ(ShiftJisUpperAscii("/p \x83\x61"), "/P \x83\x61");
    EXPECT_FALSE(ShiftJisEqualIgnoringCase("Section", "Sectio"));
}

}  // namespace
