#include "command_window.h"

#include <algorithm>
#include <memory>

#include "face_bitmaps.h"
#include "gdi_canvas.h"
#include "wide_text.h"

namespace {

constexpr UINT_PTR kMouseTimer = 1;
// Click is raised after the handler of the release has finished, so that a
// host that closes its window on Click never pulls the control away from
// under a running handler.
constexpr UINT kRaiseClick = WM_USER + 1;

HINSTANCE theInstance = nullptr;

std::wstring ClassName() {
    return std::wstring(kCommandClass, kCommandClass + sizeof kCommandClass - 1);
}

// Buttons and shift state as the control's mouse handlers take them.
int ShiftState(WPARAM keys) {
    return ((keys & MK_SHIFT) != 0 ? 1 : 0) | ((keys & MK_CONTROL) != 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

int ButtonsHeld(WPARAM keys) {
    return ((keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
           ((keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
           ((keys & MK_MBUTTON) != 0 ? kMiddleButton : 0);
}

// One Torvi.Command window: the control, its surface, and the host and
// platform it talks to.
class CommandWindow : public CommandPort {
  public:
    explicit CommandWindow(HWND window)
        : window_(window),
          canvas_(window, LoadFaceBitmaps(theInstance)),
          command_(*this, canvas_) {}

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    Command& command() { return command_; }
    std::vector<std::string> takeChanges() {
        std::vector<std::string> taken;
        taken.swap(changes_);
        return taken;
    }

    void startMouseTimer(std::uint32_t milliseconds) override {
        SetTimer(window_, kMouseTimer, milliseconds, nullptr);
    }
    std::uintptr_t ownWindow() override { return reinterpret_cast<std::uintptr_t>(window_); }
    std::uintptr_t hostWindow() override {
        return reinterpret_cast<std::uintptr_t>(GetAncestor(window_, GA_ROOT));
    }
    std::uintptr_t windowUnderCursor() override {
        POINT cursor;
        if (!GetCursorPos(&cursor)) {
            return 0;
        }
        return reinterpret_cast<std::uintptr_t>(WindowFromPoint(cursor));
    }
    void raiseClick() override { PostMessageW(window_, kRaiseClick, 0, 0); }
    void propertyChanged(const char* key) override { changes_.emplace_back(key); }
    ButtonFont ambientFont() override { return DialogFont(); }
    void labelChanged() override;

  private:
    void mouse(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void paintHostBehind(HDC dc);
    void paintCaption(HDC dc);

    HWND window_;
    GdiCanvas canvas_;
    Command command_;
    std::vector<std::string> changes_;
    std::string captionShown_;
};

// The window text follows the caption, so that screen readers and other
// programs read the button by what it says.
void CommandWindow::labelChanged() {
    InvalidateRect(window_, nullptr, FALSE);
    const std::string& caption = command_.label().text;
    if (caption != captionShown_) {
        captionShown_ = caption;
        DefWindowProcW(window_, WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(WideFromCodePage932(caption).c_str()));
    }
}

LRESULT CommandWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            canvas_.resize(LOWORD(lParam), HIWORD(lParam));
            command_.Resize();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers everything
        case WM_PAINT:
            paint();
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            mouse(message, wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window_) {
                command_.CaptureLost();
            }
            return 0;
        case WM_GETDLGCODE: {
            // Return clicks the focused button instead of reaching a dialog's
            // default button.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            return key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN
                       ? DLGC_WANTMESSAGE
                       : 0;
        }
        case WM_KEYDOWN:
            // A held key repeats; it still clicks once.
            if ((lParam & (1L << 30)) == 0) {
                command_.KeyDown(static_cast<int>(wParam));
            }
            return 0;
        case WM_KEYUP:
            command_.KeyUp(static_cast<int>(wParam));
            return 0;
        case WM_SETFOCUS:
            command_.GotFocus();
            return 0;
        case WM_KILLFOCUS:
            command_.LostFocus();
            return 0;
        case WM_TIMER:
            if (wParam == kMouseTimer) {
                command_.TmrMouse_Timer();
            }
            return 0;
        case kRaiseClick: {
            const HWND parent = GetParent(window_);
            const int id = GetDlgCtrlID(window_);
            SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(window_));
            return 0;
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void CommandWindow::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    // Signed: with the mouse captured, a point left of or above the control
    // is negative.
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    const int shift = ShiftState(wParam);
    const CaptionLabel& label = command_.label();
    const PixelRect caption = PixelsFromTwips({label.left, label.top, label.width, label.height},
                                              canvas_.twipsPerPixelX(), canvas_.twipsPerPixelY());
    // The caption label lies on the control and passes its events on with
    // its own coordinates.
    const bool onCaption = x >= caption.x && x < caption.x + caption.width && y >= caption.y &&
                           y < caption.y + caption.height;
    const float twipsX =
        static_cast<float>(x * canvas_.twipsPerPixelX()) - (onCaption ? label.left : 0.0f);
    const float twipsY =
        static_cast<float>(y * canvas_.twipsPerPixelY()) - (onCaption ? label.top : 0.0f);

    if (message == WM_MOUSEMOVE) {
        if (onCaption) {
            command_.LblMsg_MouseMove(ButtonsHeld(wParam), shift, twipsX, twipsY);
        } else {
            command_.MouseMove(ButtonsHeld(wParam), shift, twipsX, twipsY);
        }
        return;
    }
    const bool down =
        message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    const int button = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP   ? kLeftButton
                       : message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? kRightButton
                                                                              : kMiddleButton;
    if (down) {
        if (onCaption) {
            command_.LblMsg_MouseDown(button, shift, twipsX, twipsY);
        } else {
            command_.MouseDown(button, shift, twipsX, twipsY);
        }
        // A left press takes the focus as a push button's does, after the
        // press has been drawn; moves and the release keep coming here until
        // every button is up.
        if (command_.TakesFocusOnPress(button) && GetFocus() != window_) {
            SetFocus(window_);
        }
        SetCapture(window_);
        return;
    }
    if (onCaption) {
        command_.LblMsg_MouseUp(button, shift, twipsX, twipsY);
    } else {
        command_.MouseUp(button, shift, twipsX, twipsY);
    }
    // Only after the release was handled: losing the capture forgets the
    // presses.
    if (ButtonsHeld(wParam) == 0 && GetCapture() == window_) {
        ReleaseCapture();
    }
}

void CommandWindow::paint() {
    PAINTSTRUCT painting;
    const HDC dc = BeginPaint(window_, &painting);
    if (command_.opaque()) {
        canvas_.paintTo(dc);
    } else {
        paintHostBehind(dc);
    }
    paintCaption(dc);
    EndPaint(window_, &painting);
}

// A transparent background shows the parent: it paints itself into this
// window's context, moved so that its own coordinates line up.
void CommandWindow::paintHostBehind(HDC dc) {
    const HWND parent = GetParent(window_);
    POINT origin{0, 0};
    MapWindowPoints(window_, parent, &origin, 1);
    POINT old;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void CommandWindow::paintCaption(HDC dc) {
    const CaptionLabel& label = command_.label();
    const std::wstring text = WideFromCodePage932(label.text);
    if (text.empty()) {
        return;
    }
    const PixelRect place = PixelsFromTwips({label.left, label.top, label.width, label.height},
                                            canvas_.twipsPerPixelX(), canvas_.twipsPerPixelY());
    RECT box{place.x, place.y, place.x + place.width, place.y + place.height};
    const ButtonFont& font = label.font;
    const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
    const HFONT handle = CreateFontW(
        -static_cast<int>(font.size * pixelsPerInch / 72.0 + 0.5), 0, 0, 0, font.weight,
        font.italic, font.underline, font.strikethrough, static_cast<DWORD>(font.charset),
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        WideFromCodePage932(font.name).c_str());
    const HGDIOBJ oldFont = SelectObject(dc, handle);
    SetBkMode(dc, TRANSPARENT);
    // A face wider than the designed one (a stand-in where the designed face
    // is missing) is cut at the caption's sides rather than drawn over the
    // button's edges; its lines may still reach below the one designed line.
    RECT client;
    GetClientRect(window_, &client);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, std::max(box.left, 0L), 0, std::min(box.right, client.right),
                      client.bottom);
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP;
    const int length = static_cast<int>(text.size());
    if (label.enabled) {
        SetTextColor(dc, static_cast<COLORREF>(label.colour));
        DrawTextW(dc, text.c_str(), length, &box, format);
    } else {
        // The platform's look of disabled text: grey, engraved with a light
        // copy one pixel down and to the right.
        OffsetRect(&box, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, text.c_str(), length, &box, format);
        OffsetRect(&box, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), length, &box, format);
    }
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
    DeleteObject(handle);
}

CommandWindow* WindowOf(HWND window) {
    return reinterpret_cast<CommandWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK CommandProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto made = std::make_unique<CommandWindow>(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made.release()));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    CommandWindow* command = WindowOf(window);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete command;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (command == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return command->handle(message, wParam, lParam);
}

}  // namespace

bool RegisterCommandClass(HINSTANCE instance) {
    const std::wstring name = ClassName();
    WNDCLASSW existing;
    if (GetClassInfoW(instance, name.c_str(), &existing)) {
        return true;
    }
    theInstance = instance;
    // A wide window, so that its window text holds a caption in any script.
    WNDCLASSW command{};
    command.lpfnWndProc = CommandProc;
    command.hInstance = instance;
    command.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    command.lpszClassName = name.c_str();
    return RegisterClassW(&command) != 0;
}

HWND CreateCommand(HWND host, int id, const RECT& placement, const PropertyBag* stored) {
    // Created hidden and without a size, the way a form makes a control
    // before it has read the control's properties.
    const HWND window =
        CreateWindowExW(0, ClassName().c_str(), L"", WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS,
                        placement.left, placement.top, 0, 0, host,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), theInstance, nullptr);
    Command* command = CommandOf(window);
    if (command == nullptr) {
        return nullptr;
    }
    if (stored != nullptr) {
        command->ReadProperties(*stored);
    }
    MoveWindow(window, placement.left, placement.top, placement.right - placement.left,
               placement.bottom - placement.top, FALSE);
    ShowWindow(window, SW_SHOW);
    return window;
}

Command* CommandOf(HWND window) {
    wchar_t name[32] = L"";
    if (window == nullptr || GetClassNameW(window, name, 32) == 0 || ClassName() != name) {
        return nullptr;
    }
    CommandWindow* command = WindowOf(window);
    return command != nullptr ? &command->command() : nullptr;
}

std::vector<std::string> TakeCommandChanges(HWND window) {
    if (CommandOf(window) == nullptr) {
        return {};
    }
    return WindowOf(window)->takeChanges();
}
