#include "cover_windows.h"

#include <new>

#include "close_rules.h"
#include "renderer_program.h"

namespace {

LRESULT CALLBACK coverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            // The click itself closes by the close rules; it must not move the
            // activation as well.
            return MA_NOACTIVATE;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_SETCURSOR:
            // Input on a cover is input on the painting: the very same rules,
            // the same state, the same close request to the painting's window.
            // The painting hears of losing the activation to another program
            // itself, as every window of the program does.
            if (program.mainWindow != nullptr) {
                return closeRulesProc(program.mainWindow, message, wParam, lParam);
            }
            break;
        case WM_CLOSE:
            // A cover goes with the painting, never on its own.
            return 0;
        case WM_SYSCOMMAND:
            if (isSwallowedSysCommand(wParam)) {
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerCoverClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = coverWindowProc;
        windowClass.hInstance = program.instance;
        windowClass.hCursor = nullptr;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = kCoverClassName;
        registered = RegisterClassA(&windowClass) != 0;
    }
    return registered;
}

}  // namespace

void openCovers(HWND painting, const std::vector<ScreenRect>& areas) {
    if (areas.empty() || !registerCoverClass()) {
        return;
    }
    try {
        program.covers.reserve(program.covers.size() + areas.size());
    } catch (const std::bad_alloc&) {
        return;
    }
    for (const ScreenRect& area : areas) {
        HWND cover = CreateWindowExA(WS_EX_TOPMOST, kCoverClassName, kCoverTitle, WS_POPUP,
                                     area.left, area.top, area.width(), area.height(), painting,
                                     nullptr, program.instance, nullptr);
        if (cover != nullptr) {
            ShowWindow(cover, SW_SHOWNOACTIVATE);
            program.covers.push_back(cover);
        }
    }
}

void closeCovers() {
    for (HWND cover : program.covers) {
        DestroyWindow(cover);
    }
    program.covers.clear();
}

void forgetCovers() {
    program.covers.clear();
}
