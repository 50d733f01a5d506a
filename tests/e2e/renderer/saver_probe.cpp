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
//   saver_probe pixel-format  the renderer's choice of pixel format on a
//                             window of this probe, and what swap it promises
//   saver_probe monitors      the monitors the system lists
//   saver_probe covers        the renderer's cover windows: class, title,
//                             flags, rectangle and owner
//   saver_probe focus-cover   makes the first cover the foreground window
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "pixel_format_selection.h"

namespace {

const char kSaverClass[] = "WindowsScreenSaverClass";
const char kRunningTitle[] = "VelmoraVC";
const char kCoverClass[] = "VelmoraCoverClass";

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

// The same choice the renderer makes, on a window made as the renderer makes
// its own, and what the chosen format says about its swap.
int pixelFormat() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "saver probe pixel format";
    RegisterClassA(&windowClass);
    const std::vector<int> swapMethods = driverSwapMethods(windowClass.hInstance);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "saver probe pixels",
                                  WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                  160, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    HDC deviceContext = window != nullptr ? GetDC(window) : nullptr;
    if (deviceContext == nullptr) {
        say("no window\n");
        return 1;
    }
    PIXELFORMATDESCRIPTOR descriptor{};
    const int count = DescribePixelFormat(deviceContext, 1, sizeof(descriptor), &descriptor);
    int qualifying = 0, copying = 0, exchanging = 0, driverCopying = 0;
    int bestScore = 0, bestScoredKeeping = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 1; i <= count; ++i) {
            DescribePixelFormat(deviceContext, i, sizeof(descriptor), &descriptor);
            const PixelFormatFields fields{descriptor.dwFlags, descriptor.iPixelType,
                                           descriptor.cColorBits, descriptor.cDepthBits};
            if (!pixelFormatQualifies(fields)) {
                continue;
            }
            const int score = pixelFormatScore(fields);
            if (pass == 0 && score > bestScore) {
                bestScore = score;
            }
            const int method = static_cast<std::size_t>(i) <= swapMethods.size()
                                   ? swapMethods[static_cast<std::size_t>(i) - 1]
                                   : 0;
            if (pass == 1 && score == bestScore && swapKeepsPicture(fields, method)) {
                ++bestScoredKeeping;
            }
        }
    }
    for (int i = 1; i <= count; ++i) {
        DescribePixelFormat(deviceContext, i, sizeof(descriptor), &descriptor);
        const PixelFormatFields fields{descriptor.dwFlags, descriptor.iPixelType,
                                       descriptor.cColorBits, descriptor.cDepthBits};
        if (pixelFormatQualifies(fields)) {
            ++qualifying;
            copying += (descriptor.dwFlags & PFD_SWAP_COPY) ? 1 : 0;
            exchanging += (descriptor.dwFlags & PFD_SWAP_EXCHANGE) ? 1 : 0;
            driverCopying += static_cast<std::size_t>(i) <= swapMethods.size() &&
                                     swapMethods[static_cast<std::size_t>(i) - 1] == kWglSwapCopyArb
                                 ? 1
                                 : 0;
        }
    }
    const PixelFormatInUse format = selectPixelFormat(deviceContext, swapMethods);
    const DWORD flags = format.fields.dwFlags;
    say("formats=%d\n", count);
    say("qualifying=%d\n", qualifying);
    say("qualifying-with-swap-copy=%d\n", copying);
    say("qualifying-with-swap-exchange=%d\n", exchanging);
    say("driver-swap-methods=%u\n", static_cast<unsigned>(swapMethods.size()));
    say("qualifying-with-driver-swap-copy=%d\n", driverCopying);
    say("best-score=%d\n", bestScore);
    say("best-scored-keeping-picture=%d\n", bestScoredKeeping);
    say("chosen=%d\n", format.index);
    say("flags=0x%08lx\n", static_cast<unsigned long>(flags));
    say("colour-bits=%d\n", format.fields.cColorBits);
    say("depth-bits=%d\n", format.fields.cDepthBits);
    say("score=%d\n", pixelFormatScore(format.fields));
    say("double-buffer=%d\n", (flags & PFD_DOUBLEBUFFER) ? 1 : 0);
    say("generic=%d\n", (flags & PFD_GENERIC_FORMAT) ? 1 : 0);
    say("generic-accelerated=%d\n", (flags & PFD_GENERIC_ACCELERATED) ? 1 : 0);
    say("swap-copy=%d\n", (flags & PFD_SWAP_COPY) ? 1 : 0);
    say("swap-exchange=%d\n", (flags & PFD_SWAP_EXCHANGE) ? 1 : 0);
    say("swap-method=0x%x\n", static_cast<unsigned>(format.swapMethod));
    say("copy-path=%d\n", format.index != 0 && !format.swapKeepsPicture ? 1 : 0);
    DestroyWindow(window);
    return format.index != 0 ? 0 : 1;
}

BOOL CALLBACK listMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoA(monitor, &info);
    const RECT& r = info.rcMonitor;
    say("monitor=%ld,%ld,%ld,%ld primary=%d\n", r.left, r.top, r.right, r.bottom,
        (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    return TRUE;
}

int monitors() {
    EnumDisplayMonitors(nullptr, nullptr, listMonitor, 0);
    say("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return 0;
}

std::vector<HWND> coverWindows() {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, kCoverClass, nullptr)) != nullptr) {
        found.push_back(window);
    }
    return found;
}

int covers() {
    HWND renderer = FindWindowA(nullptr, kRunningTitle);
    const std::vector<HWND> found = coverWindows();
    say("covers=%u\n", static_cast<unsigned>(found.size()));
    for (HWND cover : found) {
        char title[256] = {};
        GetWindowTextA(cover, title, sizeof(title));
        const LONG_PTR style = GetWindowLongPtrA(cover, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrA(cover, GWL_EXSTYLE);
        RECT rect{};
        GetWindowRect(cover, &rect);
        DWORD coverProcess = 0, rendererProcess = 0;
        GetWindowThreadProcessId(cover, &coverProcess);
        GetWindowThreadProcessId(renderer, &rendererProcess);
        say("cover title=%s rect=%ld,%ld,%ld,%ld topmost=%d popup=%d caption=%d visible=%d "
            "owned-by-renderer=%d same-process=%d\n",
            title, rect.left, rect.top, rect.right, rect.bottom, (exStyle & WS_EX_TOPMOST) ? 1 : 0,
            (style & WS_POPUP) ? 1 : 0, (style & WS_CAPTION) == WS_CAPTION ? 1 : 0,
            IsWindowVisible(cover) ? 1 : 0,
            renderer != nullptr && GetWindow(cover, GW_OWNER) == renderer ? 1 : 0,
            renderer != nullptr && coverProcess == rendererProcess ? 1 : 0);
    }
    return 0;
}

int focusCover() {
    const std::vector<HWND> found = coverWindows();
    if (found.empty() || !SetForegroundWindow(found.front())) {
        say("cover not focused\n");
        return 1;
    }
    say("cover focused\n");
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
    if (argc >= 2 && std::strcmp(argv[1], "pixel-format") == 0) {
        return pixelFormat();
    }
    if (argc >= 2 && std::strcmp(argv[1], "monitors") == 0) {
        return monitors();
    }
    if (argc >= 2 && std::strcmp(argv[1], "covers") == 0) {
        return covers();
    }
    if (argc >= 2 && std::strcmp(argv[1], "focus-cover") == 0) {
        return focusCover();
    }
    say("usage: saver_probe describe | post-close | rival SECONDS | take-focus | resources EXE |\n"
        "       pixel-format | monitors | covers | focus-cover\n");
    return 2;
}
