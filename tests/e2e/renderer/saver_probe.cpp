// Shows what X cannot about the renderer's window, and plays the parts of the
// outside world: another saver's window, and a close request from outside.
//
//   saver_probe describe      the window titled "VelmoraVC": class, flags,
//                             rectangle and the screen's size; exit 1 if none
//   saver_probe post-close    posts WM_CLOSE to that window; exit 1 if none
//   saver_probe rival SECONDS a window of the saver class titled
//                             "Screensaver" that reports each activation
//   saver_probe take-focus    makes a window of its own the foreground one
//   saver_probe resources EXE the program's icon groups, manifest and
//                             version information
//   saver_probe pixel-format  the renderer's choice of pixel format on a
//                             window of this probe, and what swap it promises
//   saver_probe monitors      the monitors the system lists
//   saver_probe covers        the renderer's cover windows: class, title,
//                             flags, rectangle and owner
//   saver_probe focus-cover   makes the first cover the foreground window
//   saver_probe processes     the file name of every running process
//   saver_probe display-power TITLE off|dimmed|on
//                             tells the top-level window of that title, as
//                             Windows would, what became of the display
//   saver_probe page PREFIX [untick]
//                             the controls of the top-level dialog whose title
//                             starts with PREFIX: class, check state and text
//                             (UTF-8); with untick, clears its ticked boxes
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "display_power_message.h"
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

// The quoted value that follows `key` in the manifest's text after `after`,
// or nothing.
std::string manifestValue(const std::string& text, const char* after, const char* key) {
    const std::size_t element = text.find(after);
    if (element == std::string::npos) {
        return "";
    }
    const std::size_t start = text.find(key, element);
    if (start == std::string::npos) {
        return "";
    }
    const std::size_t valueStart = start + std::strlen(key);
    const std::size_t valueEnd = text.find('"', valueStart);
    return valueEnd == std::string::npos ? "" : text.substr(valueStart, valueEnd - valueStart);
}

// The text of the first element that starts so, or nothing.
std::string elementText(const std::string& text, const char* start) {
    const std::size_t element = text.find(start);
    const std::size_t open = element == std::string::npos ? element : text.find('>', element);
    const std::size_t close = open == std::string::npos ? open : text.find('<', open);
    return close == std::string::npos ? "" : text.substr(open + 1, close - open - 1);
}

BOOL CALLBACK listIconGroup(HMODULE module, LPCSTR, LPSTR name, LONG_PTR) {
    HRSRC group = FindResourceA(module, name, MAKEINTRESOURCEA(14));
    if (group == nullptr) {
        return TRUE;
    }
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    const WORD count = *reinterpret_cast<const WORD*>(data + 4);
    for (WORD i = 0; i < count; ++i) {
        IconGroupEntry entry;
        std::memcpy(&entry, data + 6 + i * sizeof(entry), sizeof(entry));
        // A width or height of 0 stands for 256.
        const int width = entry.width == 0 ? 256 : entry.width;
        const int height = entry.height == 0 ? 256 : entry.height;
        if (IS_INTRESOURCE(name)) {
            say("icon %u=%dx%d bits=%d\n", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)),
                width, height, entry.bitCount);
        } else {
            say("icon %s=%dx%d bits=%d\n", name, width, height, entry.bitCount);
        }
    }
    return TRUE;
}

// Reads the resources from the file, since Wine does not hand out another
// process's class icon.
int resources(const char* path) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        say("cannot open\n");
        return 1;
    }
    EnumResourceNamesA(module, MAKEINTRESOURCEA(14), listIconGroup, 0);
    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (manifest != nullptr) {
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
        const std::string text(data, SizeofResource(module, manifest));
        say("manifest dpi-aware=%d\n", text.find("dpiAware") != std::string::npos ? 1 : 0);
        say("manifest dpi-awareness=%s\n", elementText(text, "<dpiAwareness").c_str());
        say("manifest level=%s\n",
            manifestValue(text, "<requestedExecutionLevel", "level=\"").c_str());
        say("manifest version=%s\n",
            manifestValue(text, "<assemblyIdentity", "version=\"").c_str());
        // Windows 10 and 11 know a program that names them by this id.
        say("manifest windows10=%d\n",
            text.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}") != std::string::npos ? 1 : 0);
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

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(std::strlen(out.c_str()));
    return out;
}

struct PageSearch {
    std::wstring prefix;
    HWND found = nullptr;
};

BOOL CALLBACK findPage(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<PageSearch*>(data);
    wchar_t title[256] = {};
    wchar_t className[64] = {};
    GetWindowTextW(window, title, 256);
    GetClassNameW(window, className, 64);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window) &&
        std::wstring(title).compare(0, search->prefix.size(), search->prefix) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

// The visible controls of a dialog such as an installer's page.
int page(const char* prefix, bool untick) {
    PageSearch search;
    search.prefix.assign(prefix, prefix + std::strlen(prefix));
    EnumWindows(findPage, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        say("no window\n");
        return 1;
    }
    std::vector<HWND> children;
    EnumChildWindows(search.found, collectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        wchar_t className[64] = {};
        wchar_t text[512] = {};
        GetClassNameW(child, className, 64);
        GetWindowTextW(child, text, 512);
        const bool box = std::wstring(className) == L"Button" &&
                         (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        const LRESULT checked = box ? SendMessageW(child, BM_GETCHECK, 0, 0) : 0;
        say("control class=%s box=%d checked=%d text=%s\n", utf8(className).c_str(), box ? 1 : 0,
            checked == BST_CHECKED ? 1 : 0, utf8(text).c_str());
        if (untick && checked == BST_CHECKED) {
            SendMessageW(child, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    return 0;
}

// What Wine's own tasklist does not show yet.
int processes() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        say("no snapshot\n");
        return 1;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        say("process=%s\n", entry.szExeFile);
    }
    CloseHandle(snapshot);
    return 0;
}

// Tells the top-level window of this title, as Windows would, that the display
// went off, dimmed or came back on.
int displayPower(const char* title, const char* state) {
    const HWND window = FindWindowA(nullptr, title);
    if (window == nullptr || !SendDisplayPower(window, DisplayPowerValue(state))) {
        say("no display notice reached %s\n", title);
        return 1;
    }
    say("display %s sent to %s\n", state, title);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "display-power") == 0) {
        return displayPower(argv[2], argv[3]);
    }
    if (argc >= 2 && std::strcmp(argv[1], "describe") == 0) {
        return describe();
    }
    if (argc >= 3 && std::strcmp(argv[1], "page") == 0) {
        return page(argv[2], argc >= 4 && std::strcmp(argv[3], "untick") == 0);
    }
    if (argc >= 2 && std::strcmp(argv[1], "processes") == 0) {
        return processes();
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
    say("usage: saver_probe describe | processes | page PREFIX [untick] | post-close |\n"
        "       rival SECONDS | take-focus | resources EXE | pixel-format | monitors |\n"
        "       covers | focus-cover | display-power TITLE off|dimmed|on\n");
    return 2;
}
