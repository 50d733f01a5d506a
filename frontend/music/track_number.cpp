#include "track_number.h"

#include <algorithm>
#include <string_view>

#include "ascii_text.h"

namespace {

constexpr long kBeyondAnyTrack = 100000;

// A device's reply may end in a line break.
constexpr std::string_view kBlanks = " \t\r\n";

}  // namespace

std::optional<long> TrackNumber(const std::string& reply) {
    std::string_view text = SkipTrailingBlanks(SkipLeadingBlanks(reply, kBlanks), kBlanks);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t digits = LeadingDigits(text);
    if (digits == 0 || digits != text.size()) {
        return std::nullopt;
    }
    long value = 0;
    for (char c : text) {
        value = std::min(value * 10 + (c - '0'), kBeyondAnyTrack);
    }
    return negative ? -value : value;
}
