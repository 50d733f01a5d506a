#include "setting_number.h"

#include <algorithm>

#include "ascii_text.h"

std::optional<std::int16_t> ParseSettingNumber(std::string_view text) {
    text = SkipTrailingBlanks(SkipLeadingBlanks(text, " \t"), " \t");

    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The whole part is capped well above the 16-bit range, so that a long
    // run of digits cannot overflow before it is rejected.
    constexpr std::int64_t kCap = 1000000;
    std::int64_t whole = 0;
    std::size_t digits = 0;
    for (; i < text.size() && IsDecimalDigit(text[i]); ++i, ++digits) {
        whole = std::min<std::int64_t>(whole * 10 + (text[i] - '0'), kCap);
    }

    bool fractionNonZero = false;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDecimalDigit(text[i]); ++i, ++digits) {
            fractionNonZero = fractionNonZero || text[i] != '0';
        }
    }

    if (digits == 0 || i != text.size()) {
        return std::nullopt;
    }

    std::int64_t value = negative ? -whole : whole;
    if (negative && fractionNonZero) {
        value -= 1;
    }
    if (value < INT16_MIN || value > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}
