#include "win32_path_bytes.h"

#include <windows.h>

#include "shift_jis_text.h"

namespace {

using PathFunction = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

// GetShortPathNameW or GetLongPathNameW, with a buffer as long as they ask
// for. The length asked for first can grow if the path's names change
// between the two calls; then ask again.
std::optional<std::wstring> OtherForm(PathFunction function, const std::wstring& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    std::wstring form;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD needed = function(path.c_str(), nullptr, 0);
        if (needed == 0) {
            return std::nullopt;
        }
        form.assign(needed, L'\0');
        const DWORD length = function(path.c_str(), form.data(), needed);
        if (length == 0) {
            return std::nullopt;
        }
        if (length < needed) {
            form.resize(length);
            return form;
        }
    }
    return std::nullopt;
}

}  // namespace

AnsiText Win32PathBytes::ansiFrom(const std::wstring& text) {
    if (text.empty()) {
        return {{}, true};
    }
    const int wideLength = static_cast<int>(text.size());
    // Where the ANSI code page is UTF-8 (a setting of newer Windows), every
    // character converts, and the call takes neither the best-fit flag nor a
    // default character; only a broken surrogate pair makes it fail.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    int length = WideCharToMultiByte(CP_ACP, flags, text.data(), wideLength, nullptr, 0, nullptr,
                                     usedDefaultOut);
    if (length > 0) {
        std::string bytes(static_cast<std::size_t>(length), '\0');
        usedDefault = FALSE;
        length = WideCharToMultiByte(CP_ACP, flags, text.data(), wideLength, bytes.data(), length,
                                     nullptr, usedDefaultOut);
        if (length > 0) {
            bytes.resize(static_cast<std::size_t>(length));
            return {std::move(bytes), usedDefault == FALSE};
        }
    }
    // Not even an inexact form: the caller gets a text that names no file.
    return {std::string(text.size(), '?'), false};
}

std::wstring Win32PathBytes::wideFrom(const std::string& bytes) {
    return WideFromAnsi(bytes.c_str());
}

std::optional<std::wstring> Win32PathBytes::shortFormOf(const std::wstring& path) {
    return OtherForm(GetShortPathNameW, path);
}

std::optional<std::wstring> Win32PathBytes::longFormOf(const std::wstring& path) {
    return OtherForm(GetLongPathNameW, path);
}
