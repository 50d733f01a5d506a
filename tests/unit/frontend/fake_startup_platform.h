#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fake_settings_ports.h"
#include "startup_platform.h"

// Records the preview's calls in order, as the system would see them.
class FakePreview : public PreviewPort {
  public:
    bool getWindowRect(std::int32_t window, WindowRect& rect) override {
        calls.push_back("GetWindowRect " + std::to_string(window));
        if (!hostRect || window != host) {
            return false;
        }
        rect = *hostRect;
        return true;
    }
    bool createPreviewWindow() override {
        calls.push_back("Create hidden");
        return canCreate;
    }
    std::uint32_t getPreviewStyle() override {
        calls.push_back("GetStyle");
        return style;
    }
    void setPreviewStyle(std::uint32_t newStyle) override {
        calls.push_back("SetStyle");
        style = newStyle;
    }
    void setPreviewParent(std::int32_t newParent) override {
        calls.push_back("SetParent " + std::to_string(newParent));
    }
    void movePreviewWindow(std::int32_t x, std::int32_t y, std::int32_t w,
                           std::int32_t h) override {
        calls.push_back("Move window " + Box(x, y, w, h));
    }
    void movePicture(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override {
        calls.push_back("Move picture " + Box(x, y, w, h));
    }
    void showPreviewWindow() override { calls.push_back("Show"); }

    std::int32_t host = 0;
    std::optional<WindowRect> hostRect;
    bool canCreate = true;
    std::uint32_t style = 0;
    std::vector<std::string> calls;

  private:
    static std::string Box(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
        return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) + "x" +
               std::to_string(h);
    }
};

// The start-up's platform: windows that exist by title, a program path, a
// command line, and a log of what was asked and opened.
class FakeStartupPlatform : public StartupPlatform {
  public:
    std::string commandLine() override { return commandLineText; }
    std::wstring programPath() override { return path; }
    std::uint16_t userLanguage() override { return language; }
    bool findWindow(const char* title) override {
        log.push_back(std::string("FindWindow ") + title);
        return windows.count(title) != 0;
    }
    bool claimSaverRun() override {
        log.push_back("ClaimSaverRun");
        return !saverRunClaimed;
    }
    void showMessage(const char* text, const char* caption) override {
        log.push_back("MessageBox");
        messages.push_back({text, caption});
    }
    std::int32_t showCursor(bool show) override {
        log.push_back(show ? "ShowCursor TRUE" : "ShowCursor FALSE");
        return show ? ++cursorCount : --cursorCount;
    }
    ProfilePort& profile() override { return profilePort; }
    FilePort& files() override { return filesPort; }
    PathBytesPort& pathBytes() override { return pathBytesPort; }
    PreviewPort& preview() override { return previewPort; }
    void showSettingsDialog(FrontEndState& state) override {
        log.push_back("Dialog");
        settingsAtDialog = state.settings;
    }
    bool loadSaverRun(FrontEndState& state) override {
        log.push_back("SaverRun");
        cursorAtRun = state.SavedCursorCount;
        return saverRunLoads;
    }

    struct Message {
        std::string text, caption;
    };

    // Forgets what was asked, keeps what the system is like.
    void forgetCalls() {
        log.clear();
        messages.clear();
        profilePort.reads.clear();
        profilePort.writes.clear();
        filesPort.asked.clear();
        pathBytesPort.shortFormsAsked.clear();
        previewPort.calls.clear();
        settingsAtDialog.reset();
        cursorAtRun.reset();
        cursorCount = 0;
    }

    std::string commandLineText;
    std::wstring path = L"C:\\Savers\\Velmora.scr";
    std::uint16_t language = 0x0411;  // Japanese (Japan)
    std::set<std::string> windows;
    std::int32_t cursorCount = 0;
    bool saverRunLoads = true;
    bool saverRunClaimed = false;  // by another program
    FakeProfile profilePort;
    FakeFiles filesPort;
    FakePathBytes pathBytesPort;
    FakePreview previewPort;
    std::vector<std::string> log;
    std::vector<Message> messages;
    std::optional<BgmSettings> settingsAtDialog;
    std::optional<std::optional<std::int32_t>> cursorAtRun;
};
