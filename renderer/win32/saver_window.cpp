#include <windows.h>

#include <new>

#include "cover_windows.h"
#include "monitors.h"
#include "renderer_program.h"
#include "saver_titles.h"

namespace {

constexpr WORD kIconResource = 7002;

}  // namespace

bool createSaverWindow() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = outerWindowProc;
    windowClass.hInstance = program.instance;
    windowClass.hIcon = LoadIconA(program.instance, MAKEINTRESOURCEA(kIconResource));
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kSaverClassName;

    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);

    // Our own window bears the creation title only until WM_CREATE renames
    // it, so a window found here belongs to another saver.
    HWND other = FindWindowA(kSaverClassName, kCreationTitle);
    if (other != nullptr && IsWindow(other)) {
        SetForegroundWindow(other);
        return false;
    }

    if (RegisterClassA(&windowClass) == 0) {
        return false;
    }
    program.mainWindow =
        CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, kCreationTitle,
                        WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, width,
                        height, nullptr, nullptr, program.instance, nullptr);
    if (program.mainWindow == nullptr) {
        return false;
    }
    // The painting stays where it was made, over the whole primary screen;
    // every other monitor gets a cover.
    program.layout = currentMonitorLayout();
    program.layout.painting = ScreenRect{0, 0, width, height};
    openCovers(program.mainWindow, program.layout.covers);
    SetForegroundWindow(program.mainWindow);
    return true;
}

void followDisplays(HWND window) {
    const MonitorLayout now = currentMonitorLayout();
    const LayoutChange change = layoutChange(program.layout, now);
    if (change.movePainting) {
        // The painting follows in WM_SIZE.
        SetWindowPos(window, HWND_TOPMOST, now.painting.left, now.painting.top,
                     now.painting.width(), now.painting.height(), SWP_NOACTIVATE);
    }
    if (change.rebuildCovers) {
        closeCovers();
        openCovers(window, now.covers);
    }
    try {
        program.layout = now;
    } catch (const std::bad_alloc&) {
        // Measured against an older layout, the next change rebuilds more
        // than it must.
    }
}
