#include "system_password.h"

std::uint32_t SystemPassword::platformId() {
    // The size of the plain ANSI record, as the oldest systems expect it.
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    static_assert(sizeof(OSVERSIONINFOA) == 148, "the record the version query is given");
    GetVersionExA(&info);
    return info.dwPlatformId;
}

LibraryHandle SystemPassword::loadLibrary(const char* name) {
    return reinterpret_cast<LibraryHandle>(LoadLibraryA(name));
}

bool SystemPassword::findExport(LibraryHandle library, const char* name) {
    FARPROC found = GetProcAddress(static_cast<HMODULE>(library), name);
    // Through the generic function type, which the compiler accepts as a
    // deliberate change of signature.
    verify_ = reinterpret_cast<VerifyScreenSavePwd>(reinterpret_cast<void (*)()>(found));
    return verify_ != nullptr;
}

void SystemPassword::setScreenSaverRunning(bool running) {
    // Receives the previous state, which nobody needs.
    UINT scratch = 0;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &scratch, 0);
}

bool SystemPassword::runPasswordDialog(WindowHandle window) {
    return verify_(static_cast<HWND>(window)) != FALSE;
}

void SystemPassword::freeLibrary(LibraryHandle library) {
    FreeLibrary(static_cast<HMODULE>(library));
}
