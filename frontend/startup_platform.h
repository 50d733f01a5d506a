#pragma once

#include <cstdint>
#include <string>

#include "file_port.h"
#include "front_end_state.h"
#include "path_bytes.h"
#include "preview_port.h"
#include "profile_port.h"

// What the start-up needs from the system, and the windows it can open.
class StartupPlatform {
  public:
    virtual ~StartupPlatform() = default;

    // The arguments as Windows passed them, without the program's own path.
    virtual std::string commandLine() = 0;
    // The full path of the running Velmora.scr, as the system names it.
    virtual std::wstring programPath() = 0;
    // The user's UI language (GetUserDefaultUILanguage), a Windows language id.
    virtual std::uint16_t userLanguage() = 0;
    // FindWindowA with no class name: true when a top-level window, hidden
    // ones included, has exactly this title.
    virtual bool findWindow(const char* title) = 0;
    // A modal message box with only an OK button and no icon; returns once it
    // is closed. Text and caption are Shift-JIS, shown as wide text.
    virtual void showMessage(const char* text, const char* caption) = 0;
    // Claims the one saver run that the user's session may have, for as
    // long as this program lives; false when another program holds it.
    virtual bool claimSaverRun() = 0;
    // ShowCursor: the cursor's new display count.
    virtual std::int32_t showCursor(bool show) = 0;

    virtual ProfilePort& profile() = 0;
    virtual FilePort& files() = 0;
    virtual PathBytesPort& pathBytes() = 0;
    virtual PreviewPort& preview() = 0;

    // The settings dialog Torvi_P, shown modally with no owner; returns when
    // it has closed.
    virtual void showSettingsDialog(FrontEndState& state) = 0;
    // Loads the hidden saver-run window Torvi_S, whose load handler starts the
    // renderer and the music. True when the window now keeps the program
    // alive.
    virtual bool loadSaverRun(FrontEndState& state) = 0;
};
