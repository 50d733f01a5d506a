#include "win32_startup_platform.h"

#include "running_program.h"
#include "saver_run_window.h"
#include "settings_dialog_window.h"
#include "shift_jis_text.h"

namespace {

// One saver run per session: the name lives in the session's own namespace.
constexpr wchar_t kSaverRunClaim[] = L"Local\\Velmora.SaverRun";

}  // namespace

Win32StartupPlatform::~Win32StartupPlatform() {
    if (saverRun_ != nullptr) {
        CloseHandle(saverRun_);
    }
}

bool Win32StartupPlatform::claimSaverRun() {
    const HANDLE claim = CreateMutexW(nullptr, TRUE, kSaverRunClaim);
    if (claim == nullptr) {
        // Where the system gives no claim the window search alone decides,
        // as it always did.
        return true;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(claim);
        return false;
    }
    saverRun_ = claim;
    return true;
}

std::wstring Win32StartupPlatform::programPath() {
    return runningProgramPath();
}

std::uint16_t Win32StartupPlatform::userLanguage() {
    return GetUserDefaultUILanguage();
}

bool Win32StartupPlatform::findWindow(const char* title) {
    return FindWindowA(nullptr, title) != nullptr;
}

void Win32StartupPlatform::showMessage(const char* text, const char* caption) {
    MessageBoxW(nullptr, WideFromShiftJis(text).c_str(), WideFromShiftJis(caption).c_str(), MB_OK);
}

std::int32_t Win32StartupPlatform::showCursor(bool show) {
    return ShowCursor(show ? TRUE : FALSE);
}

void Win32StartupPlatform::showSettingsDialog(FrontEndState& state) {
    ShowSettingsDialogModal(instance_, state);
}

bool Win32StartupPlatform::loadSaverRun(FrontEndState& state) {
    return LoadSaverRunWindow(instance_, state);
}
