#include "shift_jis_text.h"

#include <windows.h>

namespace {

constexpr UINT kShiftJisCodePage = 932;

std::wstring Convert(UINT codePage, const char* text) {
    const int length = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

}  // namespace

std::wstring WideFromShiftJis(const char* text) {
    if (text == nullptr || *text == '\0') {
        return {};
    }
    std::wstring wide = Convert(kShiftJisCodePage, text);
    // A system without the Japanese code page still shows the message, if
    // not its Japanese part.
    if (wide.empty()) {
        wide = Convert(CP_ACP, text);
    }
    return wide;
}

std::wstring WideFromAnsi(const char* text) {
    if (text == nullptr || *text == '\0') {
        return {};
    }
    return Convert(CP_ACP, text);
}

std::string ShiftJisFromWide(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), wideLength, nullptr,
                                           0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), wideLength, bytes.data(), length,
                        nullptr, nullptr);
    return bytes;
}
