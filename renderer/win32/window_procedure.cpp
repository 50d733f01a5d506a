#include <windows.h>

#include "close_rules.h"
#include "renderer_program.h"
#include "renderer_settings.h"
#include "saver_titles.h"
#include "system_password.h"

namespace {

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
            program.surface = std::make_unique<WglSurface>(window);
            program.painting = std::make_unique<Painting>(*program.surface, RendererSettings{});
            SetWindowTextA(window, kRunningTitle);
            // The painting takes whatever the machine leaves over.
            SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
            program.painting->initGraphics(calendarTime());
            program.state.drawingEnabled = true;
            break;
        case WM_DESTROY:
            program.state.drawingEnabled = false;
            if (program.painting) {
                program.painting->releaseGraphics();
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
