#include "program_path.h"

#include <windows.h>

std::wstring RunningProgramPath() {
    // Grown until the whole path fits: a folder deeper than MAX_PATH would
    // otherwise be cut and name the wrong place.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}
