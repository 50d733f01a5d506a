#include "repeat_track.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "ascii_text.h"
#include "round_half_even.h"

namespace {

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
    const std::optional<double> value = NumericValue(text);
    if (!value) {
        return 0;
    }
    const double rounded = RoundHalfEven(*value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
        return 0;
    }
    return static_cast<std::int16_t>(rounded);
}
