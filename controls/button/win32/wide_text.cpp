#include "wide_text.h"

#include <windows.h>

namespace {

constexpr UINT kShiftJis = 932;

std::wstring Converted(UINT codePage, const std::string& text) {
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

}  // namespace

std::wstring WideFromCodePage932(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    std::wstring wide = Converted(kShiftJis, text);
    // A system without the Japanese code page still shows the ASCII part.
    return wide.empty() ? Converted(CP_ACP, text) : wide;
}
