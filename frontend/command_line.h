#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The screen-saver command line as Windows passes it (without the program's
// own path), e.g. "/p 1234", "/c:5678", "-S" or empty.

// The second character of the upper-cased command line: "P", "C", "S", any
// other character, or empty when the line is shorter than two characters.
std::string ModeLetter(std::string_view commandLine);

// The preview host's handle: from the fourth character on, leading blanks
// skipped, the longest leading part that forms a decimal number (sign,
// digits, fraction, exponent) rounded to the nearest integer, halves to even.
// 0 when there is no number or it does not fit in 32 bits.
std::int32_t PreviewHostHandle(std::string_view commandLine);
