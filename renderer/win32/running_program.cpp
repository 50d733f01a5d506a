#include "running_program.h"

#include <windows.h>

namespace {

// The longest path the wide functions take.
constexpr std::size_t kLongestPath = 32768;

}  // namespace

std::wstring runningProgramPath() {
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
        if (path.size() >= kLongestPath) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

std::wstring runningProgramFolder() {
    const std::wstring program = runningProgramPath();
    const std::size_t slash = program.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash);
}
