#include <gtest/gtest.h>

#include "fake_music_port.h"
#include "torvi_bgm.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kCurrent = "status cdaudio current track";
const std::string kTracks = "status cdaudio number of tracks";
const std::string kMode = "status cdaudio mode";

class CdTest : public ::testing::Test {
  protected:
    CdTest() {
        port.answers[kTracks] = {0, "12"};
        port.answers[kMode] = {0, "playing"};
    }

    // The commands of one poll.
    Strings poll(const std::string& current, const std::string& mode) {
        port.answers[kCurrent] = {0, current};
        port.answers[kMode] = {0, mode};
        port.calls.clear();
        bgm.CD_Poll();
        return port.sent();
    }

    FakeMusicPort port;
    BgmSettings settings;
    std::int32_t lastApiResult = 0;
    Torvi_BGM bgm{port, settings, lastApiResult};
};

TEST_F(CdTest, RepeatTrackPlaysFromItsStartAndComesBackWhenTheNextTrackBegins) {
    settings.BGM_RepeatTrack = 3;
    port.answers["status cdaudio position track 3"] = {0, "03:00:00:00"};
    const Strings backToTrack3 = {kCurrent, kTracks, kMode, "status cdaudio position track 3",
                                  "play cdaudio from 03:00:00:00"};

    EXPECT_EQ(poll("1", "stopped"), backToTrack3);
    EXPECT_TRUE(bgm.CD_KeepPolling());
    EXPECT_EQ(poll("3", "playing"), (Strings{kCurrent, kTracks, kMode}));
    EXPECT_EQ(poll("4", "playing"), backToTrack3);
    EXPECT_TRUE(bgm.CD_KeepPolling());

    // The mode reply goes into one buffer, one byte of it kept back.
    const char* modeBuffer = port.calls[2].reply;
    poll("3", "playing");
    EXPECT_EQ(port.calls[2].reply, modeBuffer);
    EXPECT_EQ(port.calls[2].length, 255u);
}

TEST_F(CdTest, CurrentTrackIsComparedAsANumber) {
    settings.BGM_RepeatTrack = 3;
    for (const char* same : {"3", "03", "3 ", " 3", "+3"}) {
        EXPECT_EQ(poll(same, "playing").size(), 3u) << same;
        EXPECT_TRUE(bgm.CD_KeepPolling()) << same;
    }
    for (const char* other : {"13", "30", "-3", "65539", "99999999999999999999"}) {
        EXPECT_EQ(poll(other, "playing").size(), 5u) << other;
    }
    // A reply that is no number is a failure of the poll itself.
    for (const char* garbage : {"", "x", "3a", "3.5"}) {
        const Strings sent = poll(garbage, "stopped");
        EXPECT_FALSE(bgm.CD_KeepPolling()) << garbage;
        EXPECT_EQ(sent.size(), 3u) << garbage;
    }
}

TEST_F(CdTest, WholeDiscRestartsExactlyWhenStopped) {
    settings.BGM_RepeatTrack = 0;
    EXPECT_EQ(poll("1", "stopped"), (Strings{kCurrent, kTracks, kMode, "play cdaudio"}));
    for (const char* mode : {"playing", "paused", "open", "not ready", "seeking", "stop"}) {
        EXPECT_EQ(poll("1", mode).size(), 3u) << mode;
    }
    // Nor does a track number matter without a repeat track.
    EXPECT_EQ(poll("x", "playing").size(), 3u);
    EXPECT_TRUE(bgm.CD_KeepPolling());
}

TEST_F(CdTest, NoDriveOrNoDiscEndsThePoll) {
    port.answers[kCurrent] = {275, ""};
    bgm.CD_Poll();
    EXPECT_FALSE(bgm.CD_KeepPolling());
    EXPECT_EQ(port.sent(), (Strings{kCurrent}));
    EXPECT_EQ(lastApiResult, 275);

    port.answers[kCurrent] = {0, "1"};
    port.answers[kTracks] = {259, ""};
    port.calls.clear();
    bgm.CD_Poll();
    EXPECT_FALSE(bgm.CD_KeepPolling());
    EXPECT_EQ(port.sent(), (Strings{kCurrent, kTracks}));

    // Any other failure inside the poll ends it the same way.
    port.answers[kTracks] = {0, "12"};
    port.throwOn = kMode;
    bgm.CD_Poll();
    EXPECT_FALSE(bgm.CD_KeepPolling());
}

TEST_F(CdTest, MissingRepeatTrackPlaysNothingButPollingGoesOn) {
    settings.BGM_RepeatTrack = 12;
    port.answers["status cdaudio position track 12"] = {277, ""};
    port.answers["play cdaudio from Error:277"] = {277, ""};
    const Strings sent = poll("1", "stopped");
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[4], "play cdaudio from Error:277");
    EXPECT_TRUE(bgm.CD_KeepPolling());
    EXPECT_EQ(poll("1", "stopped").size(), 5u);
}

TEST_F(CdTest, OpenAndCloseSendNoReplyBuffer) {
    port.answers["set cdaudio time format tmsf"] = {263, ""};
    bgm.CD_Open();
    EXPECT_EQ(lastApiResult, 263);
    bgm.CD_Close();
    EXPECT_EQ(port.sent(), (Strings{"open cdaudio", "set cdaudio time format tmsf", "stop cdaudio",
                                    "close cdaudio"}));
    for (const auto& call : port.calls) {
        EXPECT_EQ(call.reply, nullptr);
        EXPECT_EQ(call.length, 0u);
    }
}

}  // namespace
