#include "saver_run.h"

#include "command_line.h"
#include "music_file_ending.h"
#include "program_folder.h"
#include "window_titles.h"

namespace {

std::size_t TimerSlot(SaverTimer timer) {
    return static_cast<std::size_t>(timer) - 1;
}

// The load and close handlers go on past a step that fails: music that cannot
// start must not keep the renderer from running, and nothing may keep the
// close handler from handing the cursor back and ending the program.
template <typename Step>
void ContinueOnError(Step step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

void Torvi_S::Create() {
    startTimer(SaverTimer::Timer3, kTimer3Interval);
}

void Torvi_S::Load() {
    RendererPath = RendererPathIn(state_.programFolderPath);
    // A renderer that does not start is not reported: the first watch tick
    // finds no window and ends the run. One that starts is waited for until
    // its window is there, or the watch's first look 50 ms on would come
    // before a renderer can have made it.
    ContinueOnError([&] { port_.startProgram(RendererPath, kRendererTitle); });

    const BgmSettings& settings = state_.settings;
    if (settings.BGM_Kind == kBgmCompactDisc) {
        ContinueOnError([&] { music_.CD_Open(); });
        startTimer(SaverTimer::Timer2, kTimer2Interval);
    } else if (settings.BGM_Kind == kBgmMusicFile) {
        const std::string ending = MusicFileEnding(settings.BGM_File);
        if (ending == "WAV") {
            ContinueOnError([&] { music_.WAV_Play(); });
        }
        if (ending == "MP3") {
            ContinueOnError([&] { music_.MP3_Open(); });
            startTimer(SaverTimer::Timer1, kTimer1Interval);
        }
    }
}

void Torvi_S::Timer1_Tick() {
    // A paused file would count as ended and start again.
    if (musicPaused_) {
        return;
    }
    music_.MP3_Repeat();
}

void Torvi_S::Timer2_Tick() {
    if (musicPaused_) {
        return;
    }
    music_.CD_Poll();
    // Once the poll has given up (no drive, no disc), it stays off for the
    // rest of the run.
    if (!music_.CD_KeepPolling()) {
        stopTimer(SaverTimer::Timer2);
    }
}

void Torvi_S::Timer3_Tick() {
    if (port_.findWindow(kRendererTitle)) {
        return;
    }
    stopTimer(SaverTimer::Timer3);
    Close();
}

void Torvi_S::Tick(SaverTimer timer) {
    switch (timer) {
        case SaverTimer::Timer1:
            Timer1_Tick();
            break;
        case SaverTimer::Timer2:
            Timer2_Tick();
            break;
        case SaverTimer::Timer3:
            Timer3_Tick();
            break;
    }
}

void Torvi_S::DisplayPowerChanged(DisplayPower power) {
    const bool off = power == DisplayPower::kOff;
    if (off == musicPaused_) {
        return;
    }
    musicPaused_ = off;
    const BgmSettings& settings = state_.settings;
    if (settings.BGM_Kind == kBgmCompactDisc && TimerRunning(SaverTimer::Timer2)) {
        ContinueOnError([&] { off ? music_.CD_Pause() : music_.CD_Resume(); });
    } else if (settings.BGM_Kind == kBgmMusicFile) {
        const std::string ending = MusicFileEnding(settings.BGM_File);
        if (ending == "WAV") {
            ContinueOnError([&] { off ? music_.WAV_Stop() : music_.WAV_Play(); });
        }
        if (ending == "MP3") {
            ContinueOnError([&] { off ? music_.MP3_Pause() : music_.MP3_Resume(); });
        }
    }
}

void Torvi_S::Close() {
    // A poll that stopped by itself found no drive or disc worth closing.
    if (TimerRunning(SaverTimer::Timer2)) {
        ContinueOnError([&] { stopTimer(SaverTimer::Timer2); });
        ContinueOnError([&] { music_.CD_Close(); });
    }
    if (state_.settings.BGM_Kind == kBgmMusicFile) {
        const std::string ending = MusicFileEnding(state_.settings.BGM_File);
        if (ending == "WAV") {
            ContinueOnError([&] { music_.WAV_Stop(); });
        }
        if (ending == "MP3") {
            ContinueOnError([&] { music_.MP3_Close(); });
        }
    }
    // Only a run started with S hid the cursor. The count that hiding it
    // returned (-1 as a rule) is a non-zero flag, so handing it back shows the
    // cursor again.
    if (ModeLetter(state_.commandLine) == "S" && state_.SavedCursorCount.has_value()) {
        ContinueOnError(
            [&] { state_.SavedCursorCount = port_.showCursor(*state_.SavedCursorCount); });
    }
    // Music devices, timers and the window go with the process.
    port_.endProgram();
}

bool Torvi_S::TimerRunning(SaverTimer timer) const {
    return running_[TimerSlot(timer)];
}

void Torvi_S::startTimer(SaverTimer timer, std::uint32_t milliseconds) {
    port_.startTimer(timer, milliseconds);
    running_[TimerSlot(timer)] = true;
}

void Torvi_S::stopTimer(SaverTimer timer) {
    port_.stopTimer(timer);
    running_[TimerSlot(timer)] = false;
}
