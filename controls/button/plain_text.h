#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Small readers of the ASCII parts of the control's texts. Blanks never occur
// inside a Shift-JIS character, so trimming them leaves Japanese text whole;
// letters and digits do (as second bytes), so the others are for texts that
// are ASCII by their format: True, False, hexadecimal digits.

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Without the blanks and tabs at either end.
inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

inline char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// 0 to 15, or -1 for a character that is no hexadecimal digit.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// A whole decimal number that is the entire text, with an optional sign.
inline std::optional<std::int64_t> WholeNumberIn(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int64_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, number);
    if (text.empty() || failure != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}
