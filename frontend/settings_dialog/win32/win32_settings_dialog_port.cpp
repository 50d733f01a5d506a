#include "win32_settings_dialog_port.h"

#include <shellapi.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "command_window.h"
#include "dialog_controls.h"
#include "dialog_layout.h"
#include "look_picture.h"
#include "shift_jis_text.h"
#include "window_titles.h"

namespace {

constexpr double kTwipsInAnInch = 1440;

RECT ToRect(const ScreenRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

}  // namespace

double Win32SettingsDialogPort::twipsFromPixels(int pixels) const {
    return pixels * kTwipsInAnInch / dpi_;
}

HWND Win32SettingsDialogPort::button(DialogButton which) const {
    return windows_.buttons[static_cast<std::size_t>(which)];
}

TwipSize Win32SettingsDialogPort::screenSize() {
    return {twipsFromPixels(GetSystemMetrics(SM_CXSCREEN)),
            twipsFromPixels(GetSystemMetrics(SM_CYSCREEN))};
}

TwipSize Win32SettingsDialogPort::windowSize() {
    RECT rect{};
    GetWindowRect(windows_.dialog, &rect);
    return {twipsFromPixels(rect.right - rect.left), twipsFromPixels(rect.bottom - rect.top)};
}

void Win32SettingsDialogPort::moveWindow(std::int32_t left, std::int32_t top) {
    SetWindowPos(windows_.dialog, nullptr, dialog_layout::Pixels(left, dpi_),
                 dialog_layout::Pixels(top, dpi_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32SettingsDialogPort::initializeButton(DialogButton which) {
    if (Command* command = CommandOf(button(which))) {
        command->Initialize();
    }
}

void Win32SettingsDialogPort::setButtonEnabled(DialogButton which, bool enabled) {
    if (Command* command = CommandOf(button(which))) {
        command->setEnabled(enabled);
    }
}

void Win32SettingsDialogPort::copyMark(KindMark mark, int kind) {
    SetDialogImagePicture(windows_.kindImages.at(static_cast<std::size_t>(kind)),
                          windows_.marks.at(static_cast<std::size_t>(mark)));
}

void Win32SettingsDialogPort::setRepeatEnabled(bool enabled) {
    EnableWindow(windows_.repeat, enabled ? TRUE : FALSE);
}

void Win32SettingsDialogPort::setRepeatText(const std::string& text) {
    SetWindowTextW(windows_.repeat, WideFromShiftJis(text.c_str()).c_str());
}

std::string Win32SettingsDialogPort::repeatText() {
    return ShiftJisFromWide(WindowText(windows_.repeat));
}

void Win32SettingsDialogPort::addRepeatItem(const std::string& item) {
    const std::wstring wide = WideFromShiftJis(item.c_str());
    SendMessageW(windows_.repeat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32SettingsDialogPort::setFileCaption(const std::wstring& caption) {
    SetDialogPathCaption(windows_.fileLabel, caption);
}

void Win32SettingsDialogPort::showPage(DialogPage page) {
    const HWND shown = windows_.panels[static_cast<std::size_t>(page)];
    const HWND other = windows_.panels[static_cast<std::size_t>(
        page == DialogPage::kMusic ? DialogPage::kPainting : DialogPage::kMusic)];
    // The keyboard leaves the panel that goes for the button that leads back.
    const HWND focus = GetFocus();
    const bool focusGoes = other != nullptr && focus != nullptr && IsChild(other, focus);
    ShowWindow(shown, SW_SHOW);
    ShowWindow(other, SW_HIDE);
    if (focusGoes) {
        const DialogButton back =
            page == DialogPage::kMusic ? DialogButton::Cmd_Page1 : DialogButton::Cmd_Page0;
        SetFocus(button(back));
    }
    RunLookPicture(windows_.lookPicture, page == DialogPage::kPainting);
}

void Win32SettingsDialogPort::setLookItems(LookList list, const std::vector<std::string>& items,
                                           int chosen) {
    const HWND box = windows_.looks[static_cast<std::size_t>(list)];
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const std::wstring wide = WideFromShiftJis(item.c_str());
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    setLookChosen(list, chosen);
}

void Win32SettingsDialogPort::setLookChosen(LookList list, int item) {
    SendMessageW(windows_.looks[static_cast<std::size_t>(list)], CB_SETCURSEL,
                 static_cast<WPARAM>(item), 0);
}

void Win32SettingsDialogPort::setLookListEnabled(LookList list, bool enabled) {
    EnableWindow(windows_.looks[static_cast<std::size_t>(list)], enabled ? TRUE : FALSE);
}

void Win32SettingsDialogPort::showLook(const RendererSettings& settings) {
    ShowLookIn(windows_.lookPicture, settings);
}

std::int32_t Win32SettingsDialogPort::getCursorPos(ScreenPoint& point) {
    POINT cursor;
    const BOOL result = GetCursorPos(&cursor);
    if (result) {
        point = {cursor.x, cursor.y};
    }
    return result;
}

bool Win32SettingsDialogPort::getWindowRect(ScreenRect& rect) {
    RECT window;
    if (!GetWindowRect(windows_.dialog, &window)) {
        return false;
    }
    rect = {window.left, window.top, window.right, window.bottom};
    return true;
}

void Win32SettingsDialogPort::drawAnimatedRects(std::int32_t animation, const ScreenRect& from,
                                                const ScreenRect& to) {
    const RECT start = ToRect(from);
    const RECT end = ToRect(to);
    DrawAnimatedRects(windows_.dialog, animation, &start, &end);
}

void Win32SettingsDialogPort::setMousePointer(MousePointer pointer) {
    const LPCWSTR shape = pointer == MousePointer::kHourglass
                              ? MAKEINTRESOURCEW(32514)   // IDC_WAIT
                              : MAKEINTRESOURCEW(32512);  // IDC_ARROW
    SetCursor(LoadCursorW(nullptr, shape));
}

std::int32_t Win32SettingsDialogPort::getOpenFileName(const OpenFileRequest& request,
                                                      std::wstring& file) {
    // One more NUL than the sizes given, which the buffers' ends need.
    std::vector<wchar_t> fileBuffer(request.fileBufferSize + 1, L'\0');
    std::vector<wchar_t> titleBuffer(request.fileTitleBufferSize + 1, L'\0');
    // The filter's pairs one by one: each is NUL-terminated, and the
    // conversion stops at a NUL.
    std::wstring filter;
    for (std::size_t at = 0; at < request.filter.size() && request.filter[at] != '\0';) {
        const std::string part = request.filter.substr(at, request.filter.find('\0', at) - at);
        filter += WideFromShiftJis(part.c_str()) + L'\0';
        at += part.size() + 1;
    }
    filter += L'\0';
    const std::wstring title = WideFromShiftJis(request.title.c_str());
    OPENFILENAMEW open{};
    // The record as the first 32-bit systems with the Explorer-style dialog
    // knew it.
    open.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    open.hwndOwner = windows_.dialog;
    open.hInstance = instance_;
    open.lpstrFilter = filter.c_str();
    open.lpstrFile = fileBuffer.data();
    open.nMaxFile = request.fileBufferSize;
    open.lpstrFileTitle = titleBuffer.data();
    open.nMaxFileTitle = request.fileTitleBufferSize;
    open.lpstrInitialDir = nullptr;
    open.lpstrTitle = title.c_str();
    open.Flags = request.flags;
    const BOOL result = GetOpenFileNameW(&open);
    openFileError_ = result > 0 ? 0 : CommDlgExtendedError();
    if (result > 0) {
        file.assign(fileBuffer.data());
    }
    return result;
}

std::uint32_t Win32SettingsDialogPort::openFileError() {
    return openFileError_;
}

void Win32SettingsDialogPort::showMessage(const std::string& text, const std::wstring& path) {
    std::wstring shown = WideFromShiftJis(text.c_str());
    if (!path.empty()) {
        shown += L"\n\n" + path;
    }
    MessageBoxW(windows_.dialog, shown.c_str(), WideFromShiftJis(kApplicationTitle).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

void Win32SettingsDialogPort::shellExecute(const std::string& verb, const std::wstring& file,
                                           std::int32_t show) {
    ShellExecuteW(windows_.dialog, WideFromShiftJis(verb.c_str()).c_str(), file.c_str(), L"", L"",
                  show);
}

void Win32SettingsDialogPort::closeDialog() {
    // After the Click that asked for it has run to its end, as the close box
    // does.
    PostMessageW(windows_.dialog, WM_CLOSE, 0, 0);
}
