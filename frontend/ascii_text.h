#pragma once

#include <cstddef>
#include <string_view>

// ASCII digits and blanks: what the front-end's readers of numbers and
// values share (the command line's host handle, the settings file's lines
// and numbers, the CD's track replies). Each reader keeps its own grammar and
// its own idea of a blank. Neither digits nor blanks occur as a byte of a
// two-byte Shift-JIS character, so these work on such text byte by byte.

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Number of decimal digits at the front of the text.
inline std::size_t LeadingDigits(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsDecimalDigit(text[n])) {
        ++n;
    }
    return n;
}

// The text without any of the blank characters at its front, or at its back.
inline std::string_view SkipLeadingBlanks(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

inline std::string_view SkipTrailingBlanks(std::string_view text, std::string_view blanks) {
    const std::size_t last = text.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}
