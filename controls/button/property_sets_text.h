#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "property_bag.h"

// The stored property sets of the buttons on one host window, kept as a
// small text block among the window's resources. The text is Shift-JIS, one
// block per control:
//
//   ; the dialog's buttons
//   [Cmd_Set]
//   Caption = "設定"
//   Enabled = False
//   FontColour = 255
//   Font = "ＭＳ Ｐゴシック" 9.75pt weight 400 charset 128 italic
//
// A value is True or False, a whole number, a text in double quotes, or a font:
// its face name in quotes, its size in points, then `weight N`, `charset N`
// and any of `italic`, `underline`, `strikethrough`. Inside quotes `%XX` (two
// hex digits) stands for any byte; the writer uses it only for a double
// quote, a percent sign and control characters, which no Shift-JIS character
// contains, so Japanese text stays readable. Lines starting with `;` or `#`
// are comments.
struct ControlPropertySet {
    std::string control;
    PropertyBag properties;
};

struct PropertySetsReading {
    std::vector<ControlPropertySet> sets;
    // Lines that were skipped, each with its number and why.
    std::vector<std::string> problems;
};

// Reads every block; a line it cannot read is skipped and named in problems.
PropertySetsReading ReadPropertySets(std::string_view text);

std::string WritePropertySets(const std::vector<ControlPropertySet>& sets);

// The set of the named control, or nullptr.
const PropertyBag* FindPropertySet(const std::vector<ControlPropertySet>& sets,
                                   std::string_view control);
