#pragma once

#include <windows.h>

#include "saver_run_port.h"

// The saver run on USER32 and KERNEL32: the timers belong to the saver-run
// window, the renderer is started with CreateProcessW, and the program ends
// with ExitProcess.
class Win32SaverRunPort final : public SaverRunPort {
  public:
    explicit Win32SaverRunPort(HWND window) : window_(window) {}

    void startTimer(SaverTimer timer, std::uint32_t milliseconds) override;
    void stopTimer(SaverTimer timer) override;
    bool findWindow(const char* title) override;
    void startProgram(const std::wstring& path, const char* readyTitle) override;
    std::int32_t showCursor(std::int32_t show) override;
    void endProgram() override;

  private:
    HWND window_;
};
