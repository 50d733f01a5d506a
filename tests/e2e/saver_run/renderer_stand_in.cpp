// Takes the renderer's place beside Velmora.scr (copied as Velmora.dll) where
// a test needs a renderer that reports how it was started, or that ends when
// the test says rather than on input. Beside itself it writes stand-in.txt:
//
//   command-line=...   as the program received it
//   show=F W           STARTF_USESHOWWINDOW set (1/0), and the show command
//   closed-at=T        GetTickCount when its window was gone, or when it ended
//
// and reads stand-in.mode: "no-window" ends at once; anything else shows a
// window titled "VelmoraVC" until a file stand-in.stop appears.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Beside(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + name;
}

bool FileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Report(const std::string& line) {
    if (FILE* file = std::fopen(Beside("stand-in.txt").c_str(), "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

std::string Mode() {
    char mode[64] = {};
    if (FILE* file = std::fopen(Beside("stand-in.mode").c_str(), "r")) {
        if (std::fgets(mode, sizeof mode, file) == nullptr) {
            mode[0] = '\0';
        }
        std::fclose(file);
    }
    std::string text(mode);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && FileThere(Beside("stand-in.stop"))) {
        DestroyWindow(window);
        Report("closed-at=" + std::to_string(GetTickCount()));
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    Report(std::string("command-line=") + GetCommandLineA());
    Report("show=" + std::to_string((startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? 1 : 0) + " " +
           std::to_string(startup.wShowWindow));
    if (Mode() == "no-window") {
        Report("closed-at=" + std::to_string(GetTickCount()));
        return 0;
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = "VelmoraStandIn";
    RegisterClassA(&windowClass);
    const HWND window =
        CreateWindowExA(0, windowClass.lpszClassName, "VelmoraVC", WS_POPUP | WS_VISIBLE, 0, 0, 160,
                        120, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    SetTimer(window, 1, 10, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
