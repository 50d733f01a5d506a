#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "display_power.h"
#include "front_end_state.h"
#include "saver_run_port.h"
#include "torvi_bgm.h"

// The hidden saver-run window Torvi_S (caption "Torvi_Main"). It starts the
// renderer and the music, looks for the renderer's window every 50 ms, keeps
// the music going on its CD and MP3 timers, and once the renderer's window is
// gone, or it is asked to close from outside, stops the music, hands the
// cursor back and ends the program. It never talks to the renderer, keeps
// nothing of its process and never ends it.
class Torvi_S {
  public:
    static constexpr std::uint32_t kTimer1Interval = 1000;  // music-file repeat
    static constexpr std::uint32_t kTimer2Interval = 200;   // audio-CD poll
    static constexpr std::uint32_t kTimer3Interval = 50;    // renderer watch

    // state and music are the front-end's and must outlive the window.
    Torvi_S(SaverRunPort& port, FrontEndState& state, Torvi_BGM& music)
        : port_(port), state_(state), music_(music) {}

    Torvi_S(const Torvi_S&) = delete;
    Torvi_S& operator=(const Torvi_S&) = delete;

    // The window exists: the watch runs from now on.
    void Create();
    // The load handler: starts the renderer, then the music by its kind.
    void Load();

    void Timer1_Tick();
    void Timer2_Tick();
    void Timer3_Tick();
    // The tick handler of whichever timer fired.
    void Tick(SaverTimer timer);

    // Windows says the display went off, dimmed or came back. While it is
    // off the music pauses, since a playing stream keeps Windows from
    // sleeping; it plays on once the display is back (a wave file, which
    // cannot pause, starts again).
    void DisplayPowerChanged(DisplayPower power);
    bool MusicPaused() const { return musicPaused_; }

    // The close handler, whether the watch or someone outside asks. It never
    // cancels the close, and it ends the program.
    void Close();

    bool TimerRunning(SaverTimer timer) const;

  private:
    void startTimer(SaverTimer timer, std::uint32_t milliseconds);
    void stopTimer(SaverTimer timer);

    SaverRunPort& port_;
    FrontEndState& state_;
    Torvi_BGM& music_;

    std::wstring RendererPath;
    std::array<bool, 3> running_{};  // Timer1 to Timer3
    bool musicPaused_ = false;
};
