// Changes the display's resolution as a user would in the display settings,
// after which the system tells every window with WM_DISPLAYCHANGE. A window-
// less GUI program, so that starting it takes the activation from nobody.
//
//   display_changer WIDTH HEIGHT
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char* rest = nullptr;
    const long width = std::strtol(commandLine, &rest, 10);
    const long height = std::strtol(rest, nullptr, 10);
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExA(nullptr, &mode, nullptr, 0, nullptr);
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
