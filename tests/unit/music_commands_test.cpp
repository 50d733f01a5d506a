#include <gtest/gtest.h>

#include "fake_music_port.h"
#include "texts.h"
#include "torvi_bgm.h"

namespace {

class MciTest : public ::testing::Test {
  protected:
    FakeMusicPort port;
    BgmSettings settings;
    std::int32_t lastApiResult = 7;
    Torvi_BGM bgm{port, settings, lastApiResult};
};

TEST_F(MciTest, EmptyCommandIsNotSent) {
    std::string text;
    EXPECT_EQ(bgm.MCI_Send("", text), -1);
    EXPECT_EQ(text, kNoCommand);
    EXPECT_TRUE(port.calls.empty());
    EXPECT_EQ(lastApiResult, 7);

    EXPECT_EQ(bgm.MCI_Query(""), "Error:-1");
    EXPECT_EQ(lastApiResult, -1);
    EXPECT_TRUE(port.calls.empty());
}

TEST_F(MciTest, FailureGivesCodeAndErrorText) {
    port.answers["status cdaudio mode"] = {263, ""};
    port.errorTexts[263] = "The specified device is not open.";
    std::string text;
    EXPECT_EQ(bgm.MCI_Send("status cdaudio mode", text), 263);
    EXPECT_EQ(text, "The specified device is not open.");
    EXPECT_EQ(lastApiResult, 263);
    EXPECT_EQ(port.calls[0].length, 512u);
    EXPECT_EQ(port.errorTextLength, 256u);

    EXPECT_EQ(bgm.MCI_Query("status cdaudio mode"), "Error:263");
    EXPECT_EQ(bgm.MCI_LastText(), "The specified device is not open.");

    port.errorTexts.clear();
    EXPECT_EQ(bgm.MCI_Send("status cdaudio mode", text), 263);
    EXPECT_EQ(text, kNoErrorText);
}

TEST_F(MciTest, OlderRepliesBehindTheNulDoNotLeak) {
    port.answers["status cdaudio position track 3"] = {0, "03:00:00:00"};
    port.answers["status cdaudio current track"] = {0, "3"};
    EXPECT_EQ(bgm.MCI_Query("status cdaudio position track 3"), "03:00:00:00");
    EXPECT_EQ(bgm.MCI_Query("status cdaudio current track"), "3");
    // The same buffer every time: it is never replaced, only overwritten.
    EXPECT_EQ(port.calls[0].reply, port.calls[1].reply);

    port.answers["close MP3Play"] = {263, ""};
    port.answers["close cdaudio"] = {275, ""};
    port.errorTexts = {{263, "The specified device is not open."}, {275, "Cannot find the file."}};
    bgm.MCI_Query("close MP3Play");
    bgm.MCI_Query("close cdaudio");
    EXPECT_EQ(bgm.MCI_LastText(), "Cannot find the file.");
}

}  // namespace
