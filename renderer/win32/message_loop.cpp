#include <windows.h>

#include "renderer_program.h"

int runMessageLoop() {
    MSG msg{};
    for (;;) {
        // No timer and no frame limit: a frame whenever nothing waits, and
        // every motion of the painting is a fixed step per frame.
        while (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (program.state.wantsFrames() && program.painting) {
                program.painting->drawFrame();
            }
            Sleep(0);
        }
        if (GetMessageA(&msg, nullptr, 0, 0) == 0) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
