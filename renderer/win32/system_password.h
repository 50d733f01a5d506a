#pragma once

#include <windows.h>

#include "password_step.h"

// The password step on the real system: the version query, PASSWORD.CPL and
// the screen-saver-running flag.
class SystemPassword : public PasswordPort {
  public:
    std::uint32_t platformId() override;
    LibraryHandle loadLibrary(const char* name) override;
    bool findExport(LibraryHandle library, const char* name) override;
    void setScreenSaverRunning(bool running) override;
    bool runPasswordDialog(WindowHandle window) override;
    void freeLibrary(LibraryHandle library) override;

  private:
    using VerifyScreenSavePwd = BOOL(WINAPI*)(HWND);
    VerifyScreenSavePwd verify_ = nullptr;
};
