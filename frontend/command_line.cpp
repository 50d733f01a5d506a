#include "command_line.h"

#include <cmath>
#include <cstdlib>

#include "shift_jis.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest leading part of text that reads as a number.
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        for (; j < text.size() && IsDigit(text[j]); ++j) {
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

}  // namespace

std::string ModeLetter(std::string_view commandLine) {
    return std::string(ShiftJisCharacterAt(ShiftJisUpperAscii(commandLine), 1));
}

std::int32_t PreviewHostHandle(std::string_view commandLine) {
    std::string_view rest = commandLine.substr(ShiftJisCharacterOffset(commandLine, 3));
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) {
        rest.remove_prefix(1);
    }
    const std::size_t length = NumberLength(rest);
    if (length == 0) {
        return 0;
    }
    // strtod reads the same text in the "C" locale the program runs in; the
    // grammar above already fixed where the number ends.
    const std::string number(rest.substr(0, length));
    const double value = std::nearbyint(std::strtod(number.c_str(), nullptr));
    if (!(value >= INT32_MIN && value <= INT32_MAX)) {
        return 0;
    }
    return static_cast<std::int32_t>(value);
}
