#include <windows.h>

#include <memory>
#include <new>

#include "close_rules.h"
#include "cover_windows.h"
#include "painting_settings_file.h"
#include "renderer_program.h"
#include "renderer_settings.h"
#include "saver_titles.h"
#include "setup_log.h"
#include "system_password.h"

namespace {

// Posted to itself on a display change, so that the windows are moved and
// the covers rebuilt once the system has told every window of the change.
constexpr UINT kFollowDisplays = WM_APP + 1;

CursorPoint toCursorPoint(POINT p) {
    return {static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

// Reads the cursor when the close rules ask. Should the read fail, the cursor
// counts as unmoved.
class SystemCursor : public CursorSource {
  public:
    explicit SystemCursor(CursorPoint unmoved) : unmoved_(unmoved) {}
    CursorPoint cursorPos() override {
        POINT p;
        return GetCursorPos(&p) ? toCursorPoint(p) : unmoved_;
    }

  private:
    CursorPoint unmoved_;
};

// WM_CREATE's part: the settings, the title, the priority and the graphics.
// False when the painting's memory cannot be had; what was made is released.
bool startPainting(HWND window) {
    // The same second seeds the painting and draws a preset where the
    // settings ask for one at random.
    const std::uint32_t seed = calendarTime();
    try {
        const RendererSettings settings = readRendererSettings(runningProgramFolder(), seed);
        program.surface = std::make_unique<WglSurface>(window);
        program.paintings = std::make_unique<PaintingSet>(*program.surface, settings);
    } catch (const std::bad_alloc&) {
        program.surface.reset();
        return false;
    }
    SetWindowTextA(window, kRendererTitle);
    // The painting takes whatever the machine leaves over.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
    bool made = false;
    try {
        made = program.paintings->initGraphics(paintingAreas(program.layout), seed);
    } catch (const std::bad_alloc&) {
    }
    if (!made) {
        program.paintings.reset();
        program.surface.reset();
        return false;
    }
    logSetUp(*program.surface, *program.paintings, program.layout);
    program.displayPower.start(window);
    program.state.drawingEnabled = true;
    return true;
}

}  // namespace

LRESULT CALLBACK outerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            POINT p{};
            GetCursorPos(&p);
            program.state.lastCursorPos = toCursorPoint(p);
            SetCursor(nullptr);
            break;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            break;
        case WM_SYSCOMMAND:
            if (isSwallowedSysCommand(wParam)) {
                return 0;
            }
            break;
        default:
            break;
    }
    return rendererHook(window, message, wParam, lParam);
}

LRESULT rendererHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (!startPainting(window)) {
                // The window is not made, and the program ends with exit
                // code 0 as for any other failed start.
                return -1;
            }
            break;
        case WM_DESTROY:
            program.state.drawingEnabled = false;
            program.displayPower.stop();
            forgetCovers();
            if (program.paintings) {
                program.paintings->releaseGraphics();
            }
            break;
        case WM_DISPLAYCHANGE:
            PostMessageA(window, kFollowDisplays, 0, 0);
            break;
        case kFollowDisplays:
            followDisplays(window);
            return 0;
        case WM_POWERBROADCAST:
            if (const auto power = DisplayPowerNotice::read(message, wParam, lParam)) {
                program.state.displayDark = !displayShowsPicture(*power);
                return TRUE;
            }
            break;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) {
                try {
                    followLayout();
                } catch (const std::bad_alloc&) {
                    // The paintings stay where they were.
                }
            }
            break;
        default:
            break;
    }
    return closeRulesProc(window, message, wParam, lParam);
}

LRESULT closeRulesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SystemCursor cursor(program.state.lastCursorPos);
    SystemPassword password;
    CloseRules rules(program.state, cursor, password);
    const CloseReply reply = rules.handle(window, message, wParam);
    if (reply.hideCursor) {
        SetCursor(nullptr);
    }
    if (reply.postClose) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (reply.passToDefault) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return static_cast<LRESULT>(reply.result);
}
