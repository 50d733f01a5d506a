#include "track_number.h"

#include <algorithm>

namespace {

constexpr long kBeyondAnyTrack = 100000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<long> TrackNumber(const std::string& reply) {
    std::size_t i = 0;
    const std::size_t n = reply.size();
    while (i < n && IsBlank(reply[i])) {
        ++i;
    }
    bool negative = false;
    if (i < n && (reply[i] == '+' || reply[i] == '-')) {
        negative = reply[i] == '-';
        ++i;
    }
    if (i == n || !IsDigit(reply[i])) {
        return std::nullopt;
    }
    long value = 0;
    while (i < n && IsDigit(reply[i])) {
        value = std::min(value * 10 + (reply[i] - '0'), kBeyondAnyTrack);
        ++i;
    }
    while (i < n && IsBlank(reply[i])) {
        ++i;
    }
    if (i != n) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
