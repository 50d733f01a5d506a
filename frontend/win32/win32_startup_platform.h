#pragma once

#include <windows.h>

#include <string>

#include "preview_window.h"
#include "startup_platform.h"
#include "win32_path_bytes.h"
#include "win32_profile.h"

class Win32StartupPlatform : public StartupPlatform {
  public:
    Win32StartupPlatform(HINSTANCE instance, const char* commandLine)
        : instance_(instance),
          commandLine_(commandLine != nullptr ? commandLine : ""),
          preview_(instance) {}
    ~Win32StartupPlatform() override;
    Win32StartupPlatform(const Win32StartupPlatform&) = delete;
    Win32StartupPlatform& operator=(const Win32StartupPlatform&) = delete;

    std::string commandLine() override { return commandLine_; }
    std::wstring programPath() override;
    std::uint16_t userLanguage() override;
    bool findWindow(const char* title) override;
    bool claimSaverRun() override;
    void showMessage(const char* text, const char* caption) override;
    std::int32_t showCursor(bool show) override;

    ProfilePort& profile() override { return profile_; }
    FilePort& files() override { return files_; }
    PathBytesPort& pathBytes() override { return pathBytes_; }
    PreviewWindow& preview() override { return preview_; }

    void showSettingsDialog(FrontEndState& state) override;
    bool loadSaverRun(FrontEndState& state) override;

  private:
    HINSTANCE instance_;
    std::string commandLine_;
    Win32Profile profile_;
    Win32Files files_;
    Win32PathBytes pathBytes_;
    PreviewWindow preview_;
    HANDLE saverRun_ = nullptr;  // the claim, held until the program ends
};
