#include "preview_window.h"

#include "host_handle.h"
#include "still_picture.h"
#include "window_titles.h"

namespace {

constexpr char kPreviewClass[] = "Torvi_R";
constexpr char kPictureClass[] = "Img_Prev";

// Now and then the preview looks whether its host is still there: a host
// whose process was killed takes its window along without a WM_DESTROY for
// the preview, which would otherwise live on for nobody.
constexpr UINT_PTR kHostWatchTimer = 1;
constexpr UINT kHostWatchMilliseconds = 100;

PreviewWindow* previewOf(HWND window) {
    return reinterpret_cast<PreviewWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PreviewWindow* preview = previewOf(window);
    switch (message) {
        case WM_DESTROY:
            // The host takes its children along when it goes; with the
            // preview gone the program has nothing left to show.
            if (preview != nullptr) {
                preview->stopPainting();
            }
            PostQuitMessage(0);
            return 0;
        case WM_TIMER:
            if (wParam == kHostWatchTimer && preview != nullptr) {
                preview->watchHost();
                return 0;
            }
            break;
        case WM_POWERBROADCAST:
            if (const auto power = DisplayPowerNotice::read(message, wParam, lParam)) {
                if (preview != nullptr) {
                    preview->displayPowerChanged(*power);
                }
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Img_Prev keeps the still's bitmap in its user data.
LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        return 1;  // painted whole in WM_PAINT, so it does not flicker
    }
    if (message != WM_PAINT) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    const auto still = reinterpret_cast<HBITMAP>(GetWindowLongPtrA(window, GWLP_USERDATA));
    BITMAP size;
    if (still != nullptr && GetObjectA(still, sizeof size, &size) != 0) {
        const HDC memory = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(memory, still);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    EndPaint(window, &paint);
    return 0;
}

bool RegisterClasses(HINSTANCE instance) {
    WNDCLASSA preview{};
    // The painting keeps one device context for the window's whole life.
    preview.style = CS_OWNDC;
    preview.lpfnWndProc = PreviewProc;
    preview.hInstance = instance;
    preview.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    preview.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    preview.lpszClassName = kPreviewClass;

    WNDCLASSA picture{};
    picture.lpfnWndProc = PictureProc;
    picture.hInstance = instance;
    picture.hCursor = preview.hCursor;
    picture.lpszClassName = kPictureClass;

    WNDCLASSA existing;
    const bool previewReady =
        GetClassInfoA(instance, kPreviewClass, &existing) || RegisterClassA(&preview) != 0;
    const bool pictureReady =
        GetClassInfoA(instance, kPictureClass, &existing) || RegisterClassA(&picture) != 0;
    return previewReady && pictureReady;
}

// The still's natural size, before any layout gives the element its own.
SIZE StillSize(HBITMAP still) {
    BITMAP bitmap;
    if (still != nullptr && GetObjectA(still, sizeof bitmap, &bitmap) != 0) {
        return {bitmap.bmWidth, bitmap.bmHeight};
    }
    return {0, 0};
}

}  // namespace

PreviewWindow::~PreviewWindow() {
    if (still_ != nullptr) {
        DeleteObject(still_);
    }
}

bool PreviewWindow::getWindowRect(std::int32_t window, WindowRect& rect) {
    const HWND host = HandleFromNumber(window);
    RECT outer;
    if (host == nullptr || !IsWindow(host) || !GetWindowRect(host, &outer)) {
        return false;
    }
    rect = {outer.left, outer.top, outer.right, outer.bottom};
    return true;
}

bool PreviewWindow::createPreviewWindow() {
    if (!RegisterClasses(instance_)) {
        return false;
    }
    // A pop-up has neither border nor title bar; created hidden, it is only
    // shown once it sits inside the host.
    window_ = CreateWindowExA(0, kPreviewClass, kPreviewCaption, WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                              0, 0, nullptr, nullptr, instance_, nullptr);
    if (window_ == nullptr) {
        return false;
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    still_ = LoadPreviewStill(instance_);
    const SIZE size = StillSize(still_);
    picture_ = CreateWindowExA(0, kPictureClass, "", WS_CHILD | WS_VISIBLE, 0, 0, size.cx, size.cy,
                               window_, nullptr, instance_, nullptr);
    if (picture_ != nullptr) {
        SetWindowLongPtrA(picture_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(still_));
    }
    return true;
}

std::uint32_t PreviewWindow::getPreviewStyle() {
    return static_cast<std::uint32_t>(GetWindowLongA(window_, GWL_STYLE));
}

void PreviewWindow::setPreviewStyle(std::uint32_t style) {
    SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(style));
}

void PreviewWindow::setPreviewParent(std::int32_t host) {
    host_ = HandleFromNumber(host);
    SetParent(window_, host_);
}

void PreviewWindow::stopPainting() {
    displayPower_.stop();
    live_.stop();
}

void PreviewWindow::watchHost() {
    if (!IsWindow(window_) || host_ == nullptr || !IsWindow(host_)) {
        KillTimer(window_, kHostWatchTimer);
        stopPainting();
        PostQuitMessage(0);
    }
}

void PreviewWindow::movePreviewWindow(std::int32_t x, std::int32_t y, std::int32_t width,
                                      std::int32_t height) {
    MoveWindow(window_, x, y, width, height, TRUE);
}

void PreviewWindow::movePicture(std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height) {
    MoveWindow(picture_, x, y, width, height, TRUE);
}

void PreviewWindow::showPreviewWindow() {
    // The painting is set up on the shown window, in its place and size:
    // Wine gives a hidden child no visible GL surface. The still waits
    // hidden and comes back where the painting cannot move.
    ShowWindow(picture_, SW_HIDE);
    ShowWindow(window_, SW_SHOW);
    if (window_ == nullptr || !live_.start(window_, host_, livePainting_)) {
        ShowWindow(picture_, SW_SHOW);
    }
    UpdateWindow(window_);
    if (window_ != nullptr) {
        displayPower_.start(window_);
        SetTimer(window_, kHostWatchTimer, kHostWatchMilliseconds, nullptr);
    }
}
