#pragma once

#include <optional>
#include <string>

// The CD's current-track reply taken as a number: blanks around it and
// leading zeros do not matter ("03", "3 " and "3" are all track 3), a sign is
// allowed, and anything else ("", "3a", "Error:263") is no number at all.
// Numbers beyond any track are held at 100000, which no 16-bit track number
// can equal.
std::optional<long> TrackNumber(const std::string& reply);
