#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A numeric value of the settings file: an optional sign, decimal digits and
// an optional fraction after a point ("2", " 2", "-3", "3.9", ".5", "7."),
// blanks around it allowed. The fraction is dropped toward minus infinity
// (2.7 gives 2, -1.5 gives -2). Nothing if the text is no such number or the
// result lies outside -32768..32767; the caller then keeps the value it had.
std::optional<std::int16_t> ParseSettingNumber(std::string_view text);
