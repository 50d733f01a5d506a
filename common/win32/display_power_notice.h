#pragma once

#include <windows.h>

#include <optional>

#include "display_power.h"

// Asks Windows to tell a window when the display goes off, dims or comes back
// (WM_POWERBROADCAST with PBT_POWERSETTINGCHANGE). Asks for nothing else: the
// screen saver never keeps the display or the system on.
class DisplayPowerNotice {
  public:
    DisplayPowerNotice() = default;
    ~DisplayPowerNotice() { stop(); }
    DisplayPowerNotice(const DisplayPowerNotice&) = delete;
    DisplayPowerNotice& operator=(const DisplayPowerNotice&) = delete;

    // Where the system has no such notice (before Vista), nothing is asked
    // and the display counts as on throughout.
    void start(HWND window);
    void stop();

    // The display's new state, when the message is that notice.
    static std::optional<DisplayPower> read(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    HANDLE registration_ = nullptr;
};
