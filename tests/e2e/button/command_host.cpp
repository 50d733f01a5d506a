// A host window with two Torvi.Command buttons, made from the stored property
// sets among its resources as a form makes them, for driving with real input.
// It prints one line per Click ("Click Cmd_One") and stops when a file named
// like the ready file plus ".stop" appears or the time is up.
//
//   command_host READY_FILE SECONDS
//
// The host lies at the screen's top-left corner, 240 x 120 pixels, its client
// area at the screen's origin: Cmd_One at 20,20 (73 x 30 pixels, 1095 x 450
// twips, so that every edge of its faces is stretched) and Cmd_Two, stored
// disabled, at 20,60 (125 x 25). The Tab key moves the focus between them.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "command_window.h"
#include "property_sets_resource.h"

namespace {

constexpr char kHostTitle[] = "Velmora Command Host";
constexpr int kResourceButtons = 301;
constexpr COLORREF kDialogBeige = RGB(0xEC, 0xE9, 0xD8);

struct HostButton {
    const char* name;
    int id;
    RECT placement;
};

// Not 1 or 2: the dialog keys send IDOK and IDCANCEL as if buttons of those
// ids had been clicked.
constexpr HostButton kButtons[] = {
    {"Cmd_One", 101, {20, 20, 93, 50}},
    {"Cmd_Two", 102, {20, 60, 145, 85}},
};

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        for (const HostButton& button : kButtons) {
            if (button.id == LOWORD(wParam) &&
                reinterpret_cast<HWND>(lParam) == GetDlgItem(window, button.id)) {
                std::printf("Click %s\n", button.name);
                std::fflush(stdout);
            }
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool FileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Written in full before the name appears, so that a reader never sees half.
void WriteReady(const char* path) {
    const std::string partial = std::string(path) + ".partial";
    if (FILE* file = std::fopen(partial.c_str(), "w")) {
        std::fputs("ready\n", file);
        std::fclose(file);
        MoveFileA(partial.c_str(), path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: command_host READY_FILE SECONDS\n");
        return 2;
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterCommandClass(instance)) {
        std::printf("cannot register %s\n", kCommandClass);
        return 1;
    }
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = HostProc;
    hostClass.hInstance = instance;
    hostClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    hostClass.hbrBackground = CreateSolidBrush(kDialogBeige);
    hostClass.lpszClassName = "VelmoraCommandHost";
    RegisterClassA(&hostClass);
    const HWND host =
        CreateWindowExA(WS_EX_CONTROLPARENT, hostClass.lpszClassName, kHostTitle,
                        WS_POPUP | WS_VISIBLE, 0, 0, 240, 120, nullptr, nullptr, instance, nullptr);
    if (host == nullptr) {
        std::printf("cannot make the host window\n");
        return 1;
    }

    const PropertySetsReading stored = LoadPropertySets(instance, kResourceButtons);
    for (const std::string& problem : stored.problems) {
        std::printf("property sets: %s\n", problem.c_str());
    }
    for (const HostButton& button : kButtons) {
        const HWND window = CreateCommand(host, button.id, button.placement,
                                          FindPropertySet(stored.sets, button.name));
        if (window == nullptr) {
            std::printf("cannot make %s\n", button.name);
            return 1;
        }
        // The host initialises every button once it has loaded.
        CommandOf(window)->Initialize();
    }
    std::printf("ready\n");
    std::fflush(stdout);
    WriteReady(argv[1]);

    const std::string stop = std::string(argv[1]) + ".stop";
    const DWORD start = GetTickCount();
    const DWORD limit = static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    while (!FileThere(stop) && GetTickCount() - start < limit) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            // The dialog keys: Tab moves the focus from button to button.
            if (!IsDialogMessageA(host, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    DestroyWindow(host);
    return 0;
}
