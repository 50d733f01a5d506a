#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The CD track in the combo box BGM_Repeat, written with the pattern "##":
// 0 is the empty text, 3 is "3", -3 is "-3".
std::string RepeatTrackText(std::int16_t track);

// The track that the combo box's text (Shift-JIS) saves as. A numeric text
// (blanks around it, a sign, decimal digits with an optional fraction after a
// point and an optional exponent: "12", " 3.5", "-2", "1e1"; the full-width
// digits, signs, point and blank that a Japanese input method types count as
// their ASCII forms) is rounded to the nearest whole number with halves to
// even (3.5 gives 4, 2.5 gives 2). Any other text saves 0, the empty item
// included, and so does a number outside -32768..32767, which can be no
// track: such a choice plays the whole disc.
std::int16_t RepeatTrackFromText(std::string_view text);
