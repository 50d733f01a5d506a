#include "swap_interval.h"

#include <windows.h>

#include <cstdint>

int paintingDisplayRefreshHz() {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        return 0;
    }
    return static_cast<int>(mode.dmDisplayFrequency);
}

bool requestSwapInterval(int interval) {
    using SwapIntervalProc = BOOL(WINAPI*)(int);
    PROC found = wglGetProcAddress("wglSwapIntervalEXT");
    // Some drivers answer a name they do not know with a small number or -1
    // instead of null.
    const auto address = reinterpret_cast<std::intptr_t>(found);
    if (address >= -1 && address <= 3) {
        return false;
    }
    return reinterpret_cast<SwapIntervalProc>(reinterpret_cast<void (*)()>(found))(interval) !=
           FALSE;
}
