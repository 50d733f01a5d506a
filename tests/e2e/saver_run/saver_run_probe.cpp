// Looks at a saver run from outside, and plays the other programs that can
// ask its hidden window to close.
//
//   saver_run_probe window TITLE          found=1 visible=0|1 thread=XXXX (the
//                                         thread id as Wine's traces print it),
//                                         or found=0
//   saver_run_probe post TITLE close|endsession
//                                         posts WM_CLOSE, or WM_ENDSESSION with
//                                         "ending" set; exit 1 if no window
//   saver_run_probe processes             the file name of every process
//   saver_run_probe display-power TITLE off|dimmed|on
//                                         tells the window, as Windows would,
//                                         what became of the display; exit 1
//                                         if it did not arrive
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

#include "display_power_message.h"

namespace {

int Window(const char* title) {
    const HWND window = FindWindowA(nullptr, title);
    if (window == nullptr) {
        std::printf("found=0\n");
        return 0;
    }
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    std::printf("found=1 visible=%d thread=%04lx\n", IsWindowVisible(window) ? 1 : 0,
                static_cast<unsigned long>(thread));
    return 0;
}

int Post(const char* title, const char* what) {
    const HWND window = FindWindowA(nullptr, title);
    const bool close = std::strcmp(what, "close") == 0;
    const UINT message = close ? WM_CLOSE : WM_ENDSESSION;
    const WPARAM ending = close ? 0 : TRUE;
    if (window == nullptr || !PostMessageA(window, message, ending, 0)) {
        std::printf("not posted\n");
        return 1;
    }
    std::printf("posted\n");
    return 0;
}

int Processes() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 1;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        std::printf("%s\n", entry.szExeFile);
    }
    CloseHandle(snapshot);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int result = 2;
    if (argc == 3 && std::strcmp(argv[1], "window") == 0) {
        result = Window(argv[2]);
    } else if (argc == 4 && std::strcmp(argv[1], "post") == 0) {
        result = Post(argv[2], argv[3]);
    } else if (argc == 2 && std::strcmp(argv[1], "processes") == 0) {
        result = Processes();
    } else if (argc == 4 && std::strcmp(argv[1], "display-power") == 0) {
        const HWND window = FindWindowA(nullptr, argv[2]);
        result = window != nullptr && SendDisplayPower(window, DisplayPowerValue(argv[3])) ? 0 : 1;
    } else {
        std::printf(
            "usage: saver_run_probe window TITLE | post TITLE close|endsession | "
            "processes | display-power TITLE off|dimmed|on\n");
    }
    std::fflush(stdout);
    return result;
}
