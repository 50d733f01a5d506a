#include "command_line.h"

#include <cmath>
#include <cstdlib>

#include "ascii_text.h"
#include "shift_jis.h"

namespace {

bool IsSign(char c) {
    return c == '+' || c == '-';
}

// Length of the longest leading part of text that reads as a number.
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && IsSign(text[i])) {
        ++i;
    }
    std::size_t digits = LeadingDigits(text.substr(i));
    i += digits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = LeadingDigits(text.substr(i + 1));
        if (digits + fraction > 0) {
            i += 1 + fraction;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && IsSign(text[j])) {
            ++j;
        }
        const std::size_t exponent = LeadingDigits(text.substr(j));
        if (exponent > 0) {
            i = j + exponent;
        }
    }
    return i;
}

}  // namespace

std::string ModeLetter(std::string_view commandLine) {
    return std::string(ShiftJisCharacterAt(ShiftJisUpperAscii(commandLine), 1));
}

std::int32_t PreviewHostHandle(std::string_view commandLine) {
    const std::string_view rest =
        SkipLeadingBlanks(commandLine.substr(ShiftJisCharacterOffset(commandLine, 3)), " \t");
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
