#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "../fake_music_port.h"
#include "music_file_ending.h"
#include "saver_run.h"
#include "wide_text.h"

namespace {

using Strings = std::vector<std::string>;

std::string TimerName(SaverTimer timer) {
    return "Timer" + std::to_string(static_cast<int>(timer));
}

// The system around the saver-run window, writing what it is asked into the
// log that the music service shares, so that the order of both shows.
class FakeSaverRunPort : public SaverRunPort {
  public:
    explicit FakeSaverRunPort(Strings& log) : log_(log) {}

    void startTimer(SaverTimer timer, std::uint32_t milliseconds) override {
        log_.push_back("Start " + TimerName(timer) + " " + std::to_string(milliseconds));
    }
    void stopTimer(SaverTimer timer) override { log_.push_back("Stop " + TimerName(timer)); }
    bool findWindow(const char* title) override {
        log_.push_back(std::string("FindWindow ") + title);
        return windows.count(title) != 0;
    }
    void startProgram(const std::wstring& path, const char* readyTitle) override {
        log_.push_back("Start program " + Utf8(path) + " until " + readyTitle);
        if (startFails) {
            throw std::runtime_error("cannot start");
        }
    }
    std::int32_t showCursor(std::int32_t show) override {
        log_.push_back("ShowCursor " + std::to_string(show));
        cursorCount += show != 0 ? 1 : -1;
        return cursorCount;
    }
    void endProgram() override { log_.push_back("End"); }

    std::set<std::string> windows;
    std::int32_t cursorCount = -1;
    bool startFails = false;

  private:
    Strings& log_;
};

class LoggingMusicPort : public FakeMusicPort {
  public:
    explicit LoggingMusicPort(Strings& log) : log_(log) {}

    std::int32_t sendCommand(const char* command, char* reply, std::uint32_t length) override {
        log_.push_back(std::string("mci ") + command);
        return FakeMusicPort::sendCommand(command, reply, length);
    }
    std::int32_t playSound(const char* name, std::uint32_t flags) override {
        log_.push_back("PlaySound " + std::string(name ? name : "null") + " " +
                       std::to_string(flags));
        return FakeMusicPort::playSound(name, flags);
    }

  private:
    Strings& log_;
};

// Started by the folder's own name, not by the bytes that the settings file
// takes.
const std::string kStartRenderer =
    "Start program C:\\Program Files\\Velmora Łódź\\Velmora.dll until VelmoraVC";
const Strings kRendererGone = {"FindWindow VelmoraVC", "Stop Timer3"};
const Strings kCursorAndEnd = {"ShowCursor -1", "End"};

Strings Join(std::initializer_list<Strings> parts) {
    Strings all;
    for (const Strings& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class SaverRunTest : public ::testing::Test {
  protected:
    SaverRunTest() {
        state.commandLine = "/s";
        state.programFolderPath = L"C:\\Program Files\\Velmora Łódź";
        state.programFolder = "C:\\PROGRA~1\\VELMOR~1";
        state.SavedCursorCount = -1;
        port.windows = {"VelmoraVC"};
    }

    void music(std::int16_t kind, const std::string& file = "") {
        state.settings.BGM_Kind = kind;
        state.settings.BGM_File = file;
    }
    Strings start() {
        run.Create();
        run.Load();
        return taken();
    }
    Strings tick(SaverTimer timer) {
        run.Tick(timer);
        return taken();
    }
    Strings rendererGone() {
        port.windows.clear();
        return tick(SaverTimer::Timer3);
    }
    Strings taken() {
        Strings all;
        all.swap(log);
        return all;
    }

    Strings log;
    FakeSaverRunPort port{log};
    LoggingMusicPort service{log};
    FrontEndState state;
    Torvi_BGM bgm{service, state.settings, state.LastApiResult};
    Torvi_S run{port, state, bgm};
};

TEST_F(SaverRunTest, WithoutMusicOnlyTheWatchRunsUntilTheRendererIsGone) {
    music(0, "C:\\Music\\song.mp3");
    EXPECT_EQ(start(), (Strings{"Start Timer3 50", kStartRenderer}));
    EXPECT_TRUE(run.TimerRunning(SaverTimer::Timer3));
    EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer1));
    EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer2));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tick(SaverTimer::Timer3), Strings{"FindWindow VelmoraVC"});
    }
    EXPECT_EQ(rendererGone(), Join({kRendererGone, kCursorAndEnd}));
    EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer3));
    EXPECT_EQ(state.SavedCursorCount, 0);
}

TEST_F(SaverRunTest, Mp3IsOpenedRepeatedEverySecondAndClosedAtTheEnd) {
    // Lower case and blanks; the quotes keep the path in one piece.
    music(2, "C:\\My Music\\night song.mp3");
    EXPECT_EQ(start(), (Strings{"Start Timer3 50", kStartRenderer,
                                "mci open \"C:\\My Music\\night song.mp3\" type MPEGVideo Alias "
                                "MP3Play",
                                "mci play MP3Play", "Start Timer1 1000"}));
    service.answers["status MP3Play mode"] = {0, "playing"};
    EXPECT_EQ(tick(SaverTimer::Timer1), Strings{"mci status MP3Play mode"});
    service.answers["status MP3Play mode"] = {0, "stopped"};
    EXPECT_EQ(tick(SaverTimer::Timer1),
              (Strings{"mci status MP3Play mode", "mci stop MP3Play", "mci play MP3Play from 0"}));
    EXPECT_TRUE(run.TimerRunning(SaverTimer::Timer1));
    EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer2));

    EXPECT_EQ(rendererGone(),
              Join({kRendererGone, {"mci stop MP3Play", "mci close MP3Play"}, kCursorAndEnd}));
    EXPECT_TRUE(service.sounds.empty());
}

TEST_F(SaverRunTest, WavLoopsWithoutATimerAndStopsAtTheEnd) {
    music(2, "C:\\My Music\\rain.Wav");
    EXPECT_EQ(start(),
              (Strings{"Start Timer3 50", kStartRenderer, "PlaySound C:\\My Music\\rain.Wav 9"}));
    EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer1));
    EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer2));
    EXPECT_EQ(rendererGone(), Join({kRendererGone, {"PlaySound null 0"}, kCursorAndEnd}));
}

TEST_F(SaverRunTest, OtherKindsAndFileEndingsPlayNothingAndStopNothing) {
    struct Case {
        std::int16_t kind;
        const char* file;
    };
    // The last: a two-byte character whose second byte is "w", then "av".
    for (const Case& c :
         {Case{3, "C:\\Music\\song.mp3"}, Case{-1, "C:\\Music\\rain.wav"},
          Case{2, "C:\\Music\\tune.mid"}, Case{2, "C:\\Music\\song.mp3 "},
          Case{2, "C:\\Music\\a.wave"}, Case{2, ""}, Case{2, "C:\\Music\\\x83wav"}}) {
        music(c.kind, c.file);
        EXPECT_EQ(start(), (Strings{"Start Timer3 50", kStartRenderer})) << c.kind << c.file;
        EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer1));
        EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer2));
        run.Close();
        EXPECT_EQ(taken(), kCursorAndEnd) << c.kind << c.file;
        state.SavedCursorCount = -1;
    }
}

TEST(MusicFileEndingTest, IsTheLastThreeCharactersUpperCased) {
    EXPECT_EQ(MusicFileEnding("C:\\a.mp3"), "MP3");
    EXPECT_EQ(MusicFileEnding("C:\\a.Wav"), "WAV");
    // 音.wav: a two-byte character before the ending does not shift it.
    EXPECT_EQ(MusicFileEnding("C:\\\x89\xb9.wav"), "WAV");
    EXPECT_EQ(MusicFileEnding("ab\x83wav"), "\x83wAV");
    EXPECT_EQ(MusicFileEnding("av"), "AV");
    EXPECT_EQ(MusicFileEnding(""), "");
}

TEST_F(SaverRunTest, CdPollStopsForGoodWithoutADiscAndTheDeviceIsNotClosed) {
    music(1);
    EXPECT_EQ(start(), (Strings{"Start Timer3 50", kStartRenderer, "mci open cdaudio",
                                "mci set cdaudio time format tmsf", "Start Timer2 200"}));
    service.answers["status cdaudio current track"] = {0, "1"};
    service.answers["status cdaudio number of tracks"] = {0, "9"};
    service.answers["status cdaudio mode"] = {0, "playing"};
    const Strings poll = {"mci status cdaudio current track", "mci status cdaudio number of tracks",
                          "mci status cdaudio mode"};
    EXPECT_EQ(tick(SaverTimer::Timer2), poll);
    EXPECT_TRUE(run.TimerRunning(SaverTimer::Timer2));

    // The disc is taken out: the poll gives up and its timer stays off.
    service.answers["status cdaudio current track"] = {266, ""};
    EXPECT_EQ(tick(SaverTimer::Timer2),
              (Strings{"mci status cdaudio current track", "Stop Timer2"}));
    EXPECT_FALSE(run.TimerRunning(SaverTimer::Timer2));
    EXPECT_EQ(rendererGone(), Join({kRendererGone, kCursorAndEnd}));
}

TEST_F(SaverRunTest, CdStillPolledIsStoppedAndClosedAtTheEnd) {
    music(1);
    start();
    service.answers["status cdaudio mode"] = {0, "stopped"};
    EXPECT_EQ(tick(SaverTimer::Timer2).back(), "mci play cdaudio");
    EXPECT_EQ(rendererGone(), Join({kRendererGone,
                                    {"Stop Timer2", "mci stop cdaudio", "mci close cdaudio"},
                                    kCursorAndEnd}));
}

TEST_F(SaverRunTest, CursorIsHandedBackOnlyInModeS) {
    // Without a mouse the count starts at -1, and hiding returns -2: still a
    // non-zero flag that shows the cursor.
    port.cursorCount = -2;
    for (const char* commandLine : {"/s", "-S"}) {
        state.commandLine = commandLine;
        state.SavedCursorCount = -2;
        run.Close();
        EXPECT_EQ(taken(), (Strings{"ShowCursor -2", "End"})) << commandLine;
        EXPECT_EQ(state.SavedCursorCount, -1);
        port.cursorCount = -2;
    }
    // Started without arguments, or with anything but S: the mode letter
    // decides, whatever count there is.
    for (const char* commandLine : {"", "/p 1234", "s"}) {
        state.commandLine = commandLine;
        state.SavedCursorCount = -1;
        run.Close();
        EXPECT_EQ(taken(), Strings{"End"}) << commandLine;
        EXPECT_EQ(state.SavedCursorCount, -1);
    }
}

TEST_F(SaverRunTest, CloseFromOutsideStopsTheMusicWithoutTheWatch) {
    music(2, "C:\\My Music\\night song.MP3");
    start();
    run.Close();
    EXPECT_EQ(taken(), Join({{"mci stop MP3Play", "mci close MP3Play"}, kCursorAndEnd}));
}

TEST_F(SaverRunTest, AFailingStepLeavesTheRestOfAHandlerToRun) {
    music(2, "C:\\My Music\\night song.mp3");
    port.startFails = true;
    const Strings started = start();
    EXPECT_EQ(started.back(), "Start Timer1 1000");

    service.throwOn = "stop MP3Play";
    run.Close();
    EXPECT_EQ(taken(), Join({{"mci stop MP3Play"}, kCursorAndEnd}));
}

}  // namespace

namespace {

// While the display is off nobody listens and a playing stream keeps Windows
// from sleeping: each kind of music pauses once, its timer leaves it alone
// (a paused file would count as ended), and it plays on once the display is
// back. A dimmed display still counts as watched.
TEST_F(SaverRunTest, MusicPausesWhileTheDisplayIsOff) {
    struct Case {
        std::int16_t kind;
        const char* file;
        SaverTimer timer;
        Strings pause;
        Strings resume;
    };
    for (const Case& c : {
             Case{kBgmMusicFile,
                  "C:\\Music\\a.mp3",
                  SaverTimer::Timer1,
                  {"mci pause MP3Play"},
                  {"mci play MP3Play"}},
             Case{kBgmMusicFile,
                  "C:\\Music\\a.wav",
                  SaverTimer::Timer1,
                  {"PlaySound null 0"},
                  {"PlaySound C:\\Music\\a.wav 9"}},
             Case{kBgmCompactDisc,
                  "",
                  SaverTimer::Timer2,
                  {"mci pause cdaudio"},
                  {"mci play cdaudio"}},
         }) {
        SCOPED_TRACE(c.file);
        Strings log2;
        FakeSaverRunPort port2{log2};
        LoggingMusicPort service2{log2};
        FrontEndState state2 = state;
        state2.settings.BGM_Kind = c.kind;
        state2.settings.BGM_File = c.file;
        Torvi_BGM bgm2{service2, state2.settings, state2.LastApiResult};
        Torvi_S run2{port2, state2, bgm2};
        run2.Create();
        run2.Load();
        log2.clear();

        run2.DisplayPowerChanged(DisplayPower::kDimmed);
        EXPECT_TRUE(log2.empty()) << "dimmed is still watched";
        run2.DisplayPowerChanged(DisplayPower::kOff);
        run2.DisplayPowerChanged(DisplayPower::kOff);
        EXPECT_EQ(log2, c.pause);
        EXPECT_TRUE(run2.MusicPaused());
        log2.clear();
        run2.Tick(c.timer);
        EXPECT_TRUE(log2.empty()) << "the timer leaves paused music alone";
        run2.DisplayPowerChanged(DisplayPower::kOn);
        EXPECT_EQ(log2, c.resume);
        EXPECT_FALSE(run2.MusicPaused());
    }
}

}  // namespace
