#include "painting_keys.h"

#include <climits>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

const char* keyOf(LookSetting setting) {
    switch (setting) {
        case LookSetting::kDrawMode:
            return "DrawMode";
        case LookSetting::kAmount:
            return "Amount";
        case LookSetting::kSize:
            return "Size";
        case LookSetting::kSpeed:
            return "Speed";
        case LookSetting::kTrail:
            return "Trail";
        case LookSetting::kFlows:
            break;
    }
    return "Flows";
}

std::optional<int> parseWholeNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        // Far outside every range already; stop before it could overflow.
        if (value > INT_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

PaintingChoice readPaintingChoice(const std::function<std::string(const char* key)>& valueOf) {
    PaintingChoice choice;
    for (const LookSetting setting : kLookSettings) {
        const std::optional<int> value = parseWholeNumber(valueOf(keyOf(setting)));
        if (value && inRange(setting, *value)) {
            choice.look[setting] = *value;
        }
    }
    choice.randomPreset = parseWholeNumber(valueOf(kKeyRandomPreset)) == 1;
    return choice;
}

std::vector<std::pair<const char*, int>> paintingChoiceValues(const PaintingChoice& choice) {
    std::vector<std::pair<const char*, int>> values;
    for (const LookSetting setting : kLookSettings) {
        values.emplace_back(keyOf(setting), choice.look[setting]);
    }
    values.emplace_back(kKeyRandomPreset, choice.randomPreset ? 1 : 0);
    return values;
}
