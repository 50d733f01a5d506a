#include <windows.h>

#include <new>

#include "cover_windows.h"
#include "monitors.h"
#include "renderer_program.h"
#include "saved_monitor_choice.h"
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
    // Before the window is made: WM_CREATE gives each painting its place in
    // it.
    program.monitors = savedMonitorChoice();
    try {
        program.layout = currentMonitorLayout(program.monitors);
        if (program.monitors == MonitorChoice::kMainMonitorOnly ||
            program.layout.paintings.empty()) {
            // The painting stays where it was made, over the whole primary
            // screen; every other monitor gets a cover.
            program.layout.window = ScreenRect{0, 0, width, height};
            program.layout.paintings.assign(1, program.layout.window);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    const ScreenRect& area = program.layout.window;
    program.mainWindow = CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, kCreationTitle,
                                         WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                         area.left, area.top, area.width(), area.height(), nullptr,
                                         nullptr, program.instance, nullptr);
    if (program.mainWindow == nullptr) {
        return false;
    }
    openCovers(program.mainWindow, program.layout.covers);
    SetForegroundWindow(program.mainWindow);
    return true;
}

void followDisplays(HWND window) {
    try {
        const MonitorLayout now = currentMonitorLayout(program.monitors);
        if (now.paintings.empty()) {
            return;
        }
        const LayoutChange change = layoutChange(program.layout, now);
        // Taken first: the window's WM_SIZE places the paintings by it.
        program.layout = now;
        if (change.moveWindow) {
            SetWindowPos(window, HWND_TOPMOST, now.window.left, now.window.top, now.window.width(),
                         now.window.height(), SWP_NOACTIVATE);
        }
        if (change.moveWindow || change.moveParts) {
            followLayout();
        }
        if (change.rebuildCovers) {
            closeCovers();
            openCovers(window, now.covers);
        }
    } catch (const std::bad_alloc&) {
        // The windows stay where they are; the next change tries again.
    }
}

void followLayout() {
    if (program.paintings) {
        // A monitor new since the start gets a painting of its own seed.
        program.paintings->follow(paintingAreas(program.layout), calendarTime());
    }
}
