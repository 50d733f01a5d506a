// Shows what X cannot about the renderer's window, and plays the parts of the
// outside world: another saver's window, and a close request from outside.
//
//   saver_probe describe      the window titled "VelmoraVC": class, flags,
//                             rectangle and the screen's size; exit 1 if none
//   saver_probe post-close    posts WM_CLOSE to that window; exit 1 if none
//   saver_probe rival SECONDS a window of the saver class titled
//                             "Screensaver" that reports each activation
//   saver_probe take-focus    makes a window of its own the foreground one
//   saver_probe resources EXE the program's icon group 7002, manifest and
//                             version information
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kSaverClass[] = "WindowsScreenSaverClass";
const char kRunningTitle[] = "VelmoraVC";

void say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}

int describe() {
    HWND window = FindWindowA(nullptr, kRunningTitle);
    if (window == nullptr) {
        say("no window\n");
        return 1;
    }
    char className[256] = {};
    GetClassNameA(window, className, sizeof(className));
    char title[256] = {};
    GetWindowTextA(window, title, sizeof(title));
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    RECT rect{};
    GetWindowRect(window, &rect);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    say("class=%s\n", className);
    say("title=%s\n", title);
    say("topmost=%d\n", (exStyle & WS_EX_TOPMOST) ? 1 : 0);
    say("popup=%d\n", (style & WS_POPUP) ? 1 : 0);
    say("caption=%d\n", (style & WS_CAPTION) == WS_CAPTION ? 1 : 0);
    say("visible=%d\n", IsWindowVisible(window) ? 1 : 0);
    say("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
    say("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    say("pid=%lu\n", process);
    return 0;
}

int postClose() {
    HWND window = FindWindowA(nullptr, kRunningTitle);
    if (window == nullptr || !PostMessageA(window, WM_CLOSE, 0, 0)) {
        say("not posted\n");
        return 1;
    }
    say("posted\n");
    return 0;
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The version information's texts, as a program's properties show them.
void versionInfo(const char* path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) {
        return;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) {
        return;
    }
    for (const char* name : {"ProductName", "ProductVersion", "FileVersion", "FileDescription",
                             "OriginalFilename", "LegalCopyright"}) {
        const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
        char* value = nullptr;
        UINT length = 0;
        if (VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) &&
            length > 0) {
            say("version %s=%s\n", name, value);
        }
    }
}

// Reads the resources from the file, since Wine does not hand out another
// process's class icon.
int resources(const char* path) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        say("cannot open\n");
        return 1;
    }
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(7002), MAKEINTRESOURCEA(14));
    if (group != nullptr) {
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
        const WORD count = *reinterpret_cast<const WORD*>(data + 4);
        for (WORD i = 0; i < count; ++i) {
            IconGroupEntry entry;
            std::memcpy(&entry, data + 6 + i * sizeof(entry), sizeof(entry));
            say("icon=%dx%d colours=%d bits=%d\n", entry.width, entry.height, entry.colourCount,
                entry.bitCount);
        }
    }
    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (manifest != nullptr) {
        const char* text = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
        const DWORD size = SizeofResource(module, manifest);
        const char* found = std::search(text, text + size, "dpiAware", "dpiAware" + 8);
        say("manifest dpi-aware=%d\n", found != text + size ? 1 : 0);
    }
    FreeLibrary(module);
    versionInfo(path);
    return 0;
}

HWND rivalWindow = nullptr;
bool reporting = false;

LRESULT CALLBACK rivalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && reporting) {
        say("activated\n");
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Another saver's window, first put behind a window of its own so that being
// brought to the front shows as an activation.
int rival(int seconds) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = rivalProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kSaverClass;
    RegisterClassA(&windowClass);
    rivalWindow = CreateWindowExA(0, kSaverClass, "Screensaver", WS_POPUP | WS_VISIBLE, 0, 0, 160,
                                  120, nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND other = CreateWindowExA(0, "STATIC", "saver probe decoy", WS_POPUP | WS_VISIBLE, 200, 0,
                                 160, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (rivalWindow == nullptr || other == nullptr) {
        say("no rival\n");
        return 1;
    }
    SetForegroundWindow(other);
    SetTimer(nullptr, 0, 100, nullptr);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG msg;
    while (GetTickCount() < end && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!reporting && GetForegroundWindow() == other) {
            reporting = true;
            say("ready\n");
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int takeFocus() {
    HWND window = CreateWindowExA(0, "STATIC", "saver probe focus", WS_POPUP | WS_VISIBLE, 0, 0,
                                  160, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr || !SetForegroundWindow(window)) {
        say("focus not taken\n");
        return 1;
    }
    say("focus taken\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "describe") == 0) {
        return describe();
    }
    if (argc >= 2 && std::strcmp(argv[1], "post-close") == 0) {
        return postClose();
    }
    if (argc >= 3 && std::strcmp(argv[1], "rival") == 0) {
        return rival(std::atoi(argv[2]));
    }
    if (argc >= 2 && std::strcmp(argv[1], "take-focus") == 0) {
        return takeFocus();
    }
    if (argc >= 3 && std::strcmp(argv[1], "resources") == 0) {
        return resources(argv[2]);
    }
    say("usage: saver_probe describe | post-close | rival SECONDS | take-focus | resources EXE\n");
    return 2;
}
