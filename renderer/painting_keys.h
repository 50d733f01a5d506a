#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "painting_look.h"

// The painting's own section of Velmora.ini, beside the music's "Section":
// one key for each setting of the look and one for a random preset each run,
// each a whole number. The renderer and the preview read it, the settings
// dialog writes it. A file without the section paints the designed look.
inline constexpr char kPaintingSection[] = "Painting";
inline constexpr char kKeyRandomPreset[] = "RandomPreset";  // 1: a preset drawn at every run

// "DrawMode", "Amount", "Size", "Speed", "Trail", "Flows".
const char* keyOf(LookSetting setting);

// A whole decimal number with an optional sign, blanks around it allowed;
// nothing for anything else (an empty text, a fraction, a word).
std::optional<int> parseWholeNumber(std::string_view text);

// Reads every key through `valueOf`, which gives a key's text in the section,
// empty when it is absent. Each value that is absent, no whole number or out
// of its setting's range leaves that setting as designed, on its own; a
// random preset is chosen by 1 only.
PaintingChoice readPaintingChoice(const std::function<std::string(const char* key)>& valueOf);

// The keys and their values, in the order they are written.
std::vector<std::pair<const char*, int>> paintingChoiceValues(const PaintingChoice& choice);
