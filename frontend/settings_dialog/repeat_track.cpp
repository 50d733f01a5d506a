#include "repeat_track.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "ascii_text.h"
#include "round_half_even.h"
#include "shift_jis.h"

namespace {

// The full-width forms of what a number is written with, as Shift-JIS byte
// pairs, and their ASCII forms.
struct FullWidth {
    char lead;
    char trail;
    char ascii;
};

constexpr FullWidth kFullWidth[] = {
    {'\x81', '\x40', ' '}, {'\x81', '\x44', '.'}, {'\x81', '\x7b', '+'},
    {'\x81', '\x7c', '-'}, {'\x82', '\x65', 'E'}, {'\x82', '\x85', 'e'},
};

// The text with full-width digits, signs, point, blank and exponent letter
// in ASCII; any other two-byte character stays, and keeps the text from
// being a number.
std::string AsciiNumberText(std::string_view text) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (!IsShiftJisLeadByte(lead) || i + 1 >= text.size()) {
            ascii += text[i];
            continue;
        }
        const char trail = text[i + 1];
        char replacement = '\0';
        if (text[i] == '\x82' && trail >= '\x4f' && trail <= '\x58') {
            replacement = static_cast<char>('0' + (trail - '\x4f'));
        }
        for (const FullWidth& form : kFullWidth) {
            if (text[i] == form.lead && trail == form.trail) {
                replacement = form.ascii;
            }
        }
        if (replacement != '\0') {
            ascii += replacement;
        } else {
            ascii.append(text.substr(i, 2));
        }
        ++i;
    }
    return ascii;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    return i + LeadingDigits(text.substr(i));
}

// The value of a numeric text, or nothing.
std::optional<double> NumericValue(std::string_view text) {
    text = SkipTrailingBlanks(SkipLeadingBlanks(text, " \t"), " \t");
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t wholeStart = i;
    i = SkipDigits(text, i);
    std::size_t digits = i - wholeStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        i = SkipDigits(text, i);
        digits += i - fractionStart;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t exponentStart = i;
        i = SkipDigits(text, i);
        if (i == exponentStart) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // The grammar above is a subset of strtod's in the "C" locale, which the
    // program never leaves.
    const std::string number(text);
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace

std::string RepeatTrackText(std::int16_t track) {
    return track == 0 ? std::string() : std::to_string(track);
}

std::int16_t RepeatTrackFromText(std::string_view text) {
    const std::optional<double> value = NumericValue(AsciiNumberText(text));
    if (!value) {
        return 0;
    }
    const double rounded = RoundHalfEven(*value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
        return 0;
    }
    return static_cast<std::int16_t>(rounded);
}
