#include <windows.h>

#include "front_end_state.h"
#include "startup.h"
#include "win32_startup_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // Both outlive the message loop: the windows that Main opens use them.
    FrontEndState state;
    Win32StartupPlatform platform(instance, commandLine);
    if (Main(platform, state) == AfterMain::kEnd) {
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
