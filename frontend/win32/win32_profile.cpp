#include "win32_profile.h"

#include <windows.h>

#include "shift_jis_text.h"

std::uint32_t Win32Profile::getPrivateProfileString(const char* section, const char* key,
                                                    const char* defaultValue, char* buffer,
                                                    std::uint32_t size, const char* file) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, file);
}

std::int32_t Win32Profile::writePrivateProfileString(const char* section, const char* key,
                                                     const char* value, const char* file) {
    return WritePrivateProfileStringA(section, key, value, file);
}

bool Win32Files::canOpenForReading(const std::wstring& path) {
    // A path on an empty floppy or CD drive would otherwise bring up the
    // system's "no disk" box; here it is just a file that is not there.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open, so it does
    // not count as a file.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    SetErrorMode(oldMode);
    const bool opened = file != INVALID_HANDLE_VALUE;
    if (opened) {
        CloseHandle(file);
    }
    SetLastError(ERROR_SUCCESS);
    return opened;
}

bool Win32Files::canOpenStoredForReading(const char* path) {
    if (path == nullptr || *path == '\0') {
        return false;
    }
    const std::wstring wide = WideFromAnsi(path);
    return !wide.empty() && canOpenForReading(wide);
}
