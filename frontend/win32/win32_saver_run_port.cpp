#include "win32_saver_run_port.h"

namespace {

// How long a start may take before the watch looks anyway. A renderer sets up
// OpenGL before its window is there, which on a slow machine takes seconds;
// one that hangs before that counts as having no window.
constexpr DWORD kReadyTimeoutMs = 10000;
constexpr DWORD kReadyPollMs = 20;

// Until the started program's window is there, it has ended, or the time is
// up. Messages that other programs send to this thread are answered
// meanwhile; posted ones (the timers) wait for the message loop.
void WaitUntilReady(HANDLE process, const char* readyTitle) {
    const DWORD start = GetTickCount();
    while (FindWindowA(nullptr, readyTitle) == nullptr &&
           GetTickCount() - start < kReadyTimeoutMs) {
        const DWORD woken =
            MsgWaitForMultipleObjects(1, &process, FALSE, kReadyPollMs, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) {
            return;
        }
        if (woken == WAIT_OBJECT_0 + 1) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

}  // namespace

void Win32SaverRunPort::startTimer(SaverTimer timer, std::uint32_t milliseconds) {
    SetTimer(window_, static_cast<UINT_PTR>(timer), milliseconds, nullptr);
}

void Win32SaverRunPort::stopTimer(SaverTimer timer) {
    KillTimer(window_, static_cast<UINT_PTR>(timer));
}

bool Win32SaverRunPort::findWindow(const char* title) {
    return FindWindowA(nullptr, title) != nullptr;
}

void Win32SaverRunPort::startProgram(const std::wstring& path, const char* readyTitle) {
    // The file is named outright, so blanks in its folder cannot make the
    // system try "C:\Program.exe" first; the command line holds the path
    // alone, quoted, so that the program reads it as its own name and finds
    // no arguments.
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return;
    }
    CloseHandle(process.hThread);
    WaitUntilReady(process.hProcess, readyTitle);
    CloseHandle(process.hProcess);
}

std::int32_t Win32SaverRunPort::showCursor(std::int32_t show) {
    return ShowCursor(show);
}

void Win32SaverRunPort::endProgram() {
    ExitProcess(0);
}
