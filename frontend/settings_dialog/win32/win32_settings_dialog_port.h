#pragma once

#include <windows.h>

#include <array>

#include "settings_dialog_port.h"
#include "win32_path_bytes.h"
#include "win32_profile.h"

// The windows of the settings dialog that its model talks to.
struct SettingsDialogWindows {
    HWND dialog = nullptr;
    std::array<HWND, 2> panels{};                    // Pic_C, by DialogPage
    HWND repeat = nullptr;                           // BGM_Repeat
    HWND fileLabel = nullptr;                        // lbl_Fname
    std::array<HWND, 3> kindImages{};                // Img_BGM, by kind
    std::array<HWND, kDialogButtonCount> buttons{};  // by DialogButton
    std::array<HBITMAP, 2> marks{};                  // Img_Ra, by KindMark
    std::array<HWND, kLookListCount> looks{};        // Look, by LookList
    HWND lookPicture = nullptr;                      // Pic_Look
};

// The settings dialog's port on the real windows, at the system's
// resolution of `dpi` dots per inch.
class Win32SettingsDialogPort : public SettingsDialogPort {
  public:
    Win32SettingsDialogPort(HINSTANCE instance, int dpi, const SettingsDialogWindows& windows)
        : instance_(instance), dpi_(dpi), windows_(windows) {}

    TwipSize screenSize() override;
    TwipSize windowSize() override;
    void moveWindow(std::int32_t left, std::int32_t top) override;
    void initializeButton(DialogButton button) override;
    void setButtonEnabled(DialogButton button, bool enabled) override;
    void copyMark(KindMark mark, int kind) override;
    void setRepeatEnabled(bool enabled) override;
    void setRepeatText(const std::string& text) override;
    std::string repeatText() override;
    void addRepeatItem(const std::string& item) override;
    void setFileCaption(const std::wstring& caption) override;
    void showPage(DialogPage page) override;
    void setLookItems(LookList list, const std::vector<std::string>& items, int chosen) override;
    void setLookChosen(LookList list, int item) override;
    void setLookListEnabled(LookList list, bool enabled) override;
    void showLook(const RendererSettings& settings) override;
    std::int32_t getCursorPos(ScreenPoint& point) override;
    bool getWindowRect(ScreenRect& rect) override;
    void drawAnimatedRects(std::int32_t animation, const ScreenRect& from,
                           const ScreenRect& to) override;
    void setMousePointer(MousePointer pointer) override;
    std::int32_t getOpenFileName(const OpenFileRequest& request, std::wstring& file) override;
    std::uint32_t openFileError() override;
    void showMessage(const std::string& text, const std::wstring& path) override;
    void shellExecute(const std::string& verb, const std::wstring& file,
                      std::int32_t show) override;
    void closeDialog() override;
    ProfilePort& profile() override { return profile_; }
    PathBytesPort& pathBytes() override { return pathBytes_; }

  private:
    double twipsFromPixels(int pixels) const;
    HWND button(DialogButton which) const;

    HINSTANCE instance_;
    int dpi_;
    SettingsDialogWindows windows_;
    Win32Profile profile_;
    Win32PathBytes pathBytes_;
    std::uint32_t openFileError_ = 0;
};
