#include <windows.h>

#include "front_end_state.h"
#include "painting_loop.h"
#include "startup.h"
#include "win32_startup_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // Both outlive the message loop: the windows that Main opens use them.
    FrontEndState state;
    Win32StartupPlatform platform(instance, commandLine);
    if (Main(platform, state) == AfterMain::kEnd) {
        return 0;
    }
    // A moving preview is the program's only work while it lasts.
    if (PaintedFrames* frames = platform.preview().livePainting()) {
        runPaintingLoop(*frames);
        // A host that went without a word leaves the painting's graphics to
        // be given back here.
        platform.preview().stopPainting();
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
