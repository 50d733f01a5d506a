// A stand-in for the Windows 9x password library, PASSWORD.CPL, for the tests:
// its VerifyScreenSavePwd shows a small topmost window titled "Velmora test
// password" and answers on the first key, y to accept and any other to
// refuse. Each question and answer is reported on the program's stdout.
#include <windows.h>

#include <string>

namespace {

const char kDialogClass[] = "VelmoraTestPassword";
const char kDialogTitle[] = "Velmora test password";

HINSTANCE library = nullptr;
bool answered = false;
bool accepted = false;

void report(const std::string& line) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

LRESULT CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        accepted = wParam == 'Y';
        answered = true;
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND owner) {
    report("asked");
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = dialogProc;
    windowClass.hInstance = library;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kDialogClass;
    RegisterClassA(&windowClass);
    const int width = 320, height = 120;
    HWND dialog = CreateWindowExA(
        WS_EX_TOPMOST, kDialogClass, kDialogTitle, WS_POPUP | WS_VISIBLE | WS_BORDER,
        (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
        width, height, owner, nullptr, library, nullptr);
    SetForegroundWindow(dialog);
    answered = false;
    accepted = false;
    MSG msg;
    while (!answered && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The library is unloaded after each question; its class must not outlive it.
    UnregisterClassA(kDialogClass, library);
    report(accepted ? "accepted" : "refused");
    return accepted ? TRUE : FALSE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        library = instance;
    }
    return TRUE;
}
