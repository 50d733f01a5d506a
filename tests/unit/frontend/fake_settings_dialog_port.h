#pragma once

#include <array>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "fake_settings_ports.h"
#include "settings_dialog_port.h"
#include "wide_text.h"

inline const char* ButtonName(DialogButton button) {
    switch (button) {
        case DialogButton::Cmd_BGM:
            return "Cmd_BGM";
        case DialogButton::Cmd_Etc:
            return "Cmd_Etc";
        case DialogButton::Cmd_Set:
            return "Cmd_Set";
        case DialogButton::Cmd_Can:
            return "Cmd_Can";
        case DialogButton::Cmd_Page0:
            return "Cmd_Page0";
        case DialogButton::Cmd_Page1:
            return "Cmd_Page1";
    }
    return "?";
}

// The dialog's window as the model sees it: the controls' state, and a log of
// every call in order. A call named in `failing` throws, as a step that fails
// on the system would.
class FakeSettingsDialogPort : public SettingsDialogPort {
  public:
    TwipSize screenSize() override {
        step("screenSize");
        return screen;
    }
    TwipSize windowSize() override {
        step("windowSize");
        return window;
    }
    void moveWindow(std::int32_t left, std::int32_t top) override {
        step("Move " + std::to_string(left) + "," + std::to_string(top));
    }
    void initializeButton(DialogButton button) override {
        step(std::string("Initialize ") + ButtonName(button));
        initialized.insert(ButtonName(button));
    }
    void setButtonEnabled(DialogButton button, bool enabled) override {
        step(std::string(ButtonName(button)) + (enabled ? " enabled" : " disabled"));
        if (button == DialogButton::Cmd_BGM) {
            fileButtonEnabled = enabled;
        }
    }
    void copyMark(KindMark mark, int kind) override {
        step("Img_BGM(" + std::to_string(kind) + ") := Img_Ra(" +
             std::to_string(static_cast<int>(mark)) + ")");
        marks.at(static_cast<std::size_t>(kind)) = mark;
    }
    void setRepeatEnabled(bool enabled) override {
        step(std::string("BGM_Repeat") + (enabled ? " enabled" : " disabled"));
        repeatEnabled = enabled;
    }
    void setRepeatText(const std::string& text) override {
        step("BGM_Repeat.Text := \"" + text + "\"");
        repeatTextValue = text;
    }
    std::string repeatText() override {
        step("BGM_Repeat.Text");
        return repeatTextValue;
    }
    void addRepeatItem(const std::string& item) override {
        step("AddItem");
        items.push_back(item);
    }
    void setFileCaption(const std::wstring& caption) override {
        step("lbl_Fname.Caption := \"" + Utf8(caption) + "\"");
        fileCaption = Utf8(caption);
    }
    void showPage(DialogPage page) override {
        step("Page " + std::to_string(static_cast<int>(page)));
        shownPage = page;
    }
    void setLookItems(LookList list, const std::vector<std::string>& items, int chosen) override {
        step("Look " + std::to_string(static_cast<int>(list)) + " items");
        lookItems.at(static_cast<std::size_t>(list)) = items;
        lookChosen.at(static_cast<std::size_t>(list)) = chosen;
    }
    void setLookChosen(LookList list, int item) override {
        step("Look " + std::to_string(static_cast<int>(list)) + " := " + std::to_string(item));
        lookChosen.at(static_cast<std::size_t>(list)) = item;
    }
    void setLookListEnabled(LookList list, bool enabled) override {
        step("Look " + std::to_string(static_cast<int>(list)) +
             (enabled ? " enabled" : " disabled"));
        lookEnabled.at(static_cast<std::size_t>(list)) = enabled;
    }
    void showLook(const RendererSettings& settings) override {
        step("Look shown");
        shownLooks.push_back(settings);
    }
    // The text a list shows.
    std::string lookText(LookList list) const {
        const auto& items = lookItems.at(static_cast<std::size_t>(list));
        const int chosen = lookChosen.at(static_cast<std::size_t>(list));
        return chosen >= 0 && chosen < static_cast<int>(items.size())
                   ? items[static_cast<std::size_t>(chosen)]
                   : "(none)";
    }
    std::int32_t getCursorPos(ScreenPoint& point) override {
        step("GetCursorPos");
        if (!cursor) {
            return 0;
        }
        point = *cursor;
        return 1;
    }
    bool getWindowRect(ScreenRect& rect) override {
        step("GetWindowRect");
        rect = windowRect;
        return true;
    }
    void drawAnimatedRects(std::int32_t animation, const ScreenRect& from,
                           const ScreenRect& to) override {
        step("DrawAnimatedRects " + std::to_string(animation) + " " + Rect(from) + " -> " +
             Rect(to));
    }
    void setMousePointer(MousePointer pointer) override {
        step(pointer == MousePointer::kHourglass ? "Pointer hourglass" : "Pointer default");
    }
    std::int32_t getOpenFileName(const OpenFileRequest& request, std::wstring& file) override {
        step("GetOpenFileNameW");
        openRequest = request;
        if (openResult > 0) {
            file = chosenFile;
        }
        return openResult;
    }
    std::uint32_t openFileError() override {
        step("CommDlgExtendedError");
        return openResult > 0 ? 0 : openError;
    }
    void showMessage(const std::string& text, const std::wstring& path) override {
        step("MessageBox " + text + (path.empty() ? "" : " | " + Utf8(path)));
    }
    void shellExecute(const std::string& verb, const std::wstring& file,
                      std::int32_t show) override {
        step("ShellExecuteW " + verb + " \"" + Utf8(file) + "\" " + std::to_string(show));
    }
    void closeDialog() override { step("Close"); }
    ProfilePort& profile() override { return profilePort; }
    PathBytesPort& pathBytes() override { return pathBytesPort; }

    static std::string Rect(const ScreenRect& r) {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
    }

    TwipSize screen{19200, 15360};
    TwipSize window{7275, 4245};
    std::optional<ScreenPoint> cursor = ScreenPoint{640, 512};
    ScreenRect windowRect{397, 259, 882, 542};
    std::int32_t openResult = 0;
    std::uint32_t openError = 0;
    std::wstring chosenFile;
    std::set<std::string> failing;

    std::vector<std::string> log;
    std::set<std::string> initialized;
    std::array<std::optional<KindMark>, 3> marks;
    bool fileButtonEnabled = true;
    bool repeatEnabled = true;
    std::string repeatTextValue = "unset";
    std::vector<std::string> items;
    std::string fileCaption = "unset";
    std::optional<OpenFileRequest> openRequest;
    std::optional<DialogPage> shownPage;
    std::array<std::vector<std::string>, kLookListCount> lookItems;
    std::array<int, kLookListCount> lookChosen{};
    std::array<bool, kLookListCount> lookEnabled{};
    std::vector<RendererSettings> shownLooks;
    FakeProfile profilePort;
    FakePathBytes pathBytesPort;

  private:
    void step(const std::string& call) {
        log.push_back(call);
        if (failing.count(call) != 0) {
            throw std::runtime_error(call + " failed");
        }
    }
};
