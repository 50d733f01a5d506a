#include <gtest/gtest.h>

#include "fake_music_port.h"
#include "torvi_bgm.h"

namespace {

using Strings = std::vector<std::string>;

class MusicFileTest : public ::testing::Test {
  protected:
    FakeMusicPort port;
    BgmSettings settings;
    std::int32_t lastApiResult = 7;
    Torvi_BGM bgm{port, settings, lastApiResult};
};

TEST_F(MusicFileTest, Mp3PathIsQuotedAndPlaysOnlyOnceOpen) {
    // A path with blanks and Shift-JIS text (夜曲), whose bytes must pass as they are.
    settings.BGM_File = "C:\\My Music\\\x96\xe9\x8b\xc8 01.mp3";
    const std::string open =
        "open \"C:\\My Music\\\x96\xe9\x8b\xc8 01.mp3\" type MPEGVideo Alias MP3Play";
    bgm.MP3_Open();
    EXPECT_EQ(port.sent(), (Strings{open, "play MP3Play"}));

    port.calls.clear();
    port.answers[open] = {275, ""};
    bgm.MP3_Open();
    EXPECT_EQ(port.sent(), (Strings{open}));

    // A quote would end the path early and turn the rest into options.
    port.calls.clear();
    settings.BGM_File = "C:\\a\" type waveaudio alias MP3Play \"b.MP3";
    bgm.MP3_Open();
    EXPECT_TRUE(port.calls.empty());
}

TEST_F(MusicFileTest, Mp3RestartsFromTheBeginningWheneverNotPlaying) {
    const Strings restart = {"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"};
    for (const char* mode : {"paused", "stopped", "not ready", "seeking"}) {
        port.answers["status MP3Play mode"] = {0, mode};
        port.calls.clear();
        bgm.MP3_Repeat();
        EXPECT_EQ(port.sent(), restart) << mode;
    }
    port.answers["status MP3Play mode"] = {0, "playing"};
    port.calls.clear();
    bgm.MP3_Repeat();
    EXPECT_EQ(port.sent(), (Strings{"status MP3Play mode"}));
    EXPECT_EQ(port.calls[0].length, 30u);

    port.calls.clear();
    bgm.MP3_Close();
    EXPECT_EQ(port.sent(), (Strings{"stop MP3Play", "close MP3Play"}));
}

TEST_F(MusicFileTest, WavLoopsOnlyWithAWaveDevice) {
    settings.BGM_File = "C:\\My Music\\rain.Wav";
    port.waveDevices = 0;
    bgm.WAV_Play();
    EXPECT_TRUE(port.sounds.empty());
    EXPECT_EQ(lastApiResult, 7);

    port.waveDevices = 2;
    port.playSoundResult = 0;
    bgm.WAV_Play();
    EXPECT_EQ(lastApiResult, 0);
    port.playSoundResult = 1;
    bgm.WAV_Stop();
    EXPECT_EQ(port.sounds, (Strings{"C:\\My Music\\rain.Wav|9", "null|0"}));
    EXPECT_EQ(lastApiResult, 1);
}

}  // namespace
