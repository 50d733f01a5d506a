#pragma once

#include <cstdint>

#include "saver_state.h"

using WindowHandle = void*;
using LibraryHandle = void*;

// The platform id of the Windows 9x family; only there does the system keep a
// screen-saver password of its own.
constexpr std::uint32_t kPlatformWin32Windows = 1;

constexpr const char* kPasswordLibrary = "PASSWORD.CPL";
constexpr const char* kPasswordExport = "VerifyScreenSavePwd";

// What the password step needs from the system.
class PasswordPort {
  public:
    virtual ~PasswordPort() = default;

    virtual std::uint32_t platformId() = 0;
    // Null when the library cannot be loaded.
    virtual LibraryHandle loadLibrary(const char* name) = 0;
    // Looks the export up and keeps it for runPasswordDialog; false when the
    // library has no such export.
    virtual bool findExport(LibraryHandle library, const char* name) = 0;
    // Tells the system that a screen saver runs (so that it blocks task
    // switching while the dialog is up) or no longer runs.
    virtual void setScreenSaverRunning(bool running) = 0;
    // Runs the system's modal password dialog over the window; true when the
    // saver may close.
    virtual bool runPasswordDialog(WindowHandle window) = 0;
    virtual void freeLibrary(LibraryHandle library) = 0;
};

// Asks for the screen-saver password where the system has one. True when the
// window may close. inPasswordDialog is set while the dialog is open, so that
// neither frames nor input are acted on meanwhile.
bool verifyPassword(PasswordPort& port, WindowHandle window, SaverState& state);
