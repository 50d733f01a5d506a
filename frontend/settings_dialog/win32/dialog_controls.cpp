#include "dialog_controls.h"

#include <commctrl.h>

#include <memory>

#include "dialog_background.h"
#include "shortened_path.h"

namespace {

constexpr wchar_t kLabelClass[] = L"Torvi_P.Label";
constexpr wchar_t kImageClass[] = L"Torvi_P.Image";

struct LabelLook {
    HFONT font;
    COLORREF colour;
    UINT format;
    HWND tip = nullptr;  // owned by the dialog, which takes it along
};

LabelLook* LookOf(HWND label) {
    return reinterpret_cast<LabelLook*>(GetWindowLongPtrW(label, GWLP_USERDATA));
}

// The label's tooltip, made with its first text.
void SetTip(HWND label, LabelLook& look, const std::wstring& text) {
    TOOLINFOW tool{};
    // The record as comctl32 before version 6 knows it.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(label);
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (look.tip != nullptr) {
        SendMessageW(look.tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    look.tip = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(label, GA_ROOT),
        nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(label, GWLP_HINSTANCE)), nullptr);
    if (look.tip == nullptr) {
        return;
    }
    // A long path breaks into lines at its blanks rather than run off the
    // screen.
    SendMessageW(look.tip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
    SendMessageW(look.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The control's place in its container.
POINT OriginInContainer(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top};
}

// The container's picture behind the control, first into a memory picture so
// that the control never flickers through its own background.
template <typename Draw>
void PaintOverContainer(HWND control, Draw draw) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(control, &paint);
    RECT client;
    GetClientRect(control, &client);
    const SIZE size{client.right, client.bottom};
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP picture = CreateCompatibleBitmap(dc, size.cx, size.cy);
    const HGDIOBJ old = SelectObject(memory, picture);
    if (const DialogBackground* background = DialogBackground::Of(GetParent(control))) {
        background->paintPart(memory, OriginInContainer(control), size);
    }
    draw(memory, client);
    BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    EndPaint(control, &paint);
}

// The dotted rectangle round the text of the label that has the keyboard, one
// pixel clear of the text and inside the label, as Windows marks a focused
// choice.
void DrawFocusCue(HDC dc, const std::wstring& text, const RECT& client, UINT format) {
    RECT around = client;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &around, format | DT_CALCRECT);
    if ((format & DT_CENTER) != 0) {
        OffsetRect(&around, (client.right - around.right) / 2, 0);
    }
    InflateRect(&around, 1, 1);
    IntersectRect(&around, &around, &client);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &around);
}

// Any mouse button pressed on the control, as the container hears of it.
bool TellPressed(HWND control, UINT message) {
    if (message != WM_LBUTTONDOWN && message != WM_RBUTTONDOWN && message != WM_MBUTTONDOWN) {
        return false;
    }
    const int id = GetDlgCtrlID(control);
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(id, kControlPressed),
                 reinterpret_cast<LPARAM>(control));
    return true;
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LabelLook* look = LookOf(window);
    switch (message) {
        case WM_NCDESTROY:
            delete look;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, FALSE);
            return result;
        }
        case WM_PAINT:
            PaintOverContainer(window, [&](HDC dc, RECT client) {
                if (look == nullptr) {
                    return;
                }
                const int length = GetWindowTextLengthW(window);
                std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
                GetWindowTextW(window, text.data(), length + 1);
                text.resize(static_cast<std::size_t>(length));
                const HGDIOBJ oldFont = SelectObject(dc, look->font);
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, look->colour);
                DrawTextW(dc, text.c_str(), length, &client, look->format);
                if (GetFocus() == window) {
                    DrawFocusCue(dc, text, client, look->format);
                }
                SelectObject(dc, oldFont);
            });
            return 0;
        default:
            if (TellPressed(window, message)) {
                return 0;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintOverContainer(window, [&](HDC dc, RECT) {
                const auto picture =
                    reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
                BITMAP size;
                if (picture == nullptr || GetObjectW(picture, sizeof size, &size) == 0) {
                    return;
                }
                const HDC source = CreateCompatibleDC(dc);
                const HGDIOBJ old = SelectObject(source, picture);
                BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
                SelectObject(source, old);
                DeleteDC(source);
            });
            return 0;
        default:
            if (TellPressed(window, message)) {
                return 0;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Register(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW existing;
    if (GetClassInfoW(instance, name, &existing)) {
        return true;
    }
    WNDCLASSW control{};
    control.lpfnWndProc = procedure;
    control.hInstance = instance;
    control.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    control.lpszClassName = name;
    return RegisterClassW(&control) != 0;
}

HWND CreateChild(const wchar_t* className, HWND container, int id, const RECT& placement,
                 const wchar_t* text) {
    return CreateWindowExW(
        0, className, text, WS_CHILD | WS_VISIBLE, placement.left, placement.top,
        placement.right - placement.left, placement.bottom - placement.top, container,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(container, GWLP_HINSTANCE)), nullptr);
}

}  // namespace

bool RegisterDialogControlClasses(HINSTANCE instance) {
    INITCOMMONCONTROLSEX tips{sizeof tips, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&tips);
    const bool labels = Register(instance, kLabelClass, LabelProc);
    const bool images = Register(instance, kImageClass, ImageProc);
    return labels && images;
}

HWND CreateDialogLabel(HWND container, int id, const RECT& placement, const std::wstring& caption,
                       HFONT font, COLORREF colour, LabelAlignment alignment, LabelLines lines) {
    const HWND label = CreateChild(kLabelClass, container, id, placement, caption.c_str());
    if (label == nullptr) {
        return nullptr;
    }
    const UINT format =
        DT_NOPREFIX |
        (lines == LabelLines::kWrapped ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE) |
        (alignment == LabelAlignment::kCentre ? DT_CENTER : DT_LEFT);
    auto look = std::make_unique<LabelLook>(LabelLook{font, colour, format});
    SetWindowLongPtrW(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(look.release()));
    return label;
}

void SetDialogPathCaption(HWND label, const std::wstring& path) {
    LabelLook* look = LookOf(label);
    if (look == nullptr) {
        SetWindowTextW(label, path.c_str());
        return;
    }
    RECT room;
    GetClientRect(label, &room);
    const bool oneLine = (look->format & DT_SINGLELINE) != 0;
    const std::wstring shown = ShortenedPath(path, [&](const std::wstring& text) {
        return oneLine ? CaptionWidth(text, look->font) <= room.right
                       : WrappedHeight(text, look->font, room.right) <= room.bottom;
    });
    SetWindowTextW(label, shown.c_str());
    SetTip(label, *look, path);
}

int CaptionWidth(const std::wstring& caption, HFONT font) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE size{0, 0};
    GetTextExtentPoint32W(screen, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

int LineHeight(HFONT font) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

int WrappedHeight(const std::wstring& caption, HFONT font, int width) {
    if (caption.empty()) {
        return 0;
    }
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    RECT box{0, 0, width, 0};
    DrawTextW(screen, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return box.bottom;
}

HWND CreateDialogImage(HWND container, int id, const RECT& placement) {
    return CreateChild(kImageClass, container, id, placement, L"");
}

void SetDialogImagePicture(HWND image, HBITMAP picture) {
    SetWindowLongPtrW(image, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
    InvalidateRect(image, nullptr, FALSE);
}
