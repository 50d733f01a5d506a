#include "property_sets_text.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "plain_text.h"

namespace {

bool IsName(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
            return false;
        }
    }
    return true;
}

// No Shift-JIS character has one of these bytes, not even as its second
// byte, so escaping them leaves every character whole.
bool NeedsEscape(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == '"' || byte == '%';
}

std::string Quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            quoted += '%';
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// Takes a quoted text from the front of `rest`.
std::optional<std::string> TakeQuoted(std::string_view& rest) {
    if (rest.empty() || rest.front() != '"') {
        return std::nullopt;
    }
    const std::size_t close = rest.find('"', 1);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view inside = rest.substr(1, close - 1);
    std::string text;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i] != '%') {
            text += inside[i];
            continue;
        }
        if (i + 2 >= inside.size()) {
            return std::nullopt;
        }
        const int upper = HexDigitValue(inside[i + 1]);
        const int lower = HexDigitValue(inside[i + 2]);
        if (upper < 0 || lower < 0) {
            return std::nullopt;
        }
        text += static_cast<char>(upper * 16 + lower);
        i += 2;
    }
    rest.remove_prefix(close + 1);
    return text;
}

std::optional<std::int32_t> WholeNumber(std::string_view text) {
    const std::optional<std::int64_t> number = WholeNumberIn(text);
    if (!number || *number < INT32_MIN || *number > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*number);
}

// The sizes the system's font chooser offers; a smaller one would also be
// written back as 0.
constexpr double kSmallestPoints = 1;
constexpr double kLargestPoints = 1638;

std::optional<double> Points(std::string_view text) {
    if (text.size() < 3 || text.substr(text.size() - 2) != "pt") {
        return std::nullopt;
    }
    const std::string digits(text.substr(0, text.size() - 2));
    char* end = nullptr;
    const double points = std::strtod(digits.c_str(), &end);
    // "infpt", "nanpt" and "1e999pt" read as numbers too; a size becomes a
    // whole number of pixels later, so only a size a font can have passes.
    if (end != digits.c_str() + digits.size() || !std::isfinite(points) ||
        !(points >= kSmallestPoints) || points > kLargestPoints) {
        return std::nullopt;
    }
    return points;
}

std::string PointsText(double points) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", points);
    std::string written = text;
    written.erase(written.find_last_not_of('0') + 1);
    if (written.back() == '.') {
        written.pop_back();
    }
    return written + "pt";
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (true) {
        text = Trimmed(text);
        if (text.empty()) {
            return words;
        }
        std::size_t end = 0;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

// What follows the face name of a font; a size is required.
std::optional<ButtonFont> FontAttributes(std::string name, std::string_view rest) {
    ButtonFont font;
    font.name = std::move(name);
    bool haveSize = false;
    const std::vector<std::string_view> words = Words(rest);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (const auto points = Points(word)) {
            font.size = *points;
            haveSize = true;
        } else if ((word == "weight" || word == "charset") && i + 1 < words.size()) {
            const auto number = WholeNumber(words[++i]);
            if (!number || *number < -32768 || *number > 32767) {
                return std::nullopt;
            }
            (word == "weight" ? font.weight : font.charset) = static_cast<std::int16_t>(*number);
        } else if (word == "italic") {
            font.italic = true;
        } else if (word == "underline") {
            font.underline = true;
        } else if (word == "strikethrough") {
            font.strikethrough = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveSize) {
        return std::nullopt;
    }
    return font;
}

std::optional<PropertyValue> ValueFromText(std::string_view text) {
    if (SameIgnoringCase(text, "True")) {
        return PropertyValue(true);
    }
    if (SameIgnoringCase(text, "False")) {
        return PropertyValue(false);
    }
    if (!text.empty() && text.front() == '"') {
        std::string_view rest = text;
        std::optional<std::string> quoted = TakeQuoted(rest);
        if (!quoted) {
            return std::nullopt;
        }
        rest = Trimmed(rest);
        if (rest.empty()) {
            return PropertyValue(std::move(*quoted));
        }
        if (auto font = FontAttributes(std::move(*quoted), rest)) {
            return PropertyValue(std::move(*font));
        }
        return std::nullopt;
    }
    if (const auto number = WholeNumber(text)) {
        return PropertyValue(*number);
    }
    return std::nullopt;
}

std::string TextFromValue(const PropertyValue& value) {
    if (const auto* boolean = std::get_if<bool>(&value)) {
        return *boolean ? "True" : "False";
    }
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return std::to_string(*number);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return Quoted(*text);
    }
    const auto& font = std::get<ButtonFont>(value);
    std::string written = Quoted(font.name) + " " + PointsText(font.size) + " weight " +
                          std::to_string(font.weight) + " charset " + std::to_string(font.charset);
    if (font.italic) {
        written += " italic";
    }
    if (font.underline) {
        written += " underline";
    }
    if (font.strikethrough) {
        written += " strikethrough";
    }
    return written;
}

ControlPropertySet& SetNamed(std::vector<ControlPropertySet>& sets, std::string_view control) {
    for (ControlPropertySet& set : sets) {
        if (set.control == control) {
            return set;
        }
    }
    sets.push_back({std::string(control), {}});
    return sets.back();
}

}  // namespace

PropertySetsReading ReadPropertySets(std::string_view text) {
    PropertySetsReading reading;
    ControlPropertySet* current = nullptr;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = Trimmed(line);
        const auto skip = [&](const std::string& why) {
            reading.problems.push_back("line " + std::to_string(lineNumber) + ": " + why);
        };
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::string_view control =
                line.back() == ']' ? Trimmed(line.substr(1, line.size() - 2)) : std::string_view();
            if (!IsName(control)) {
                skip("a control's name in [ ] should be letters, digits and _");
                current = nullptr;
                continue;
            }
            current = &SetNamed(reading.sets, control);
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key =
            equals == std::string_view::npos ? line : Trimmed(line.substr(0, equals));
        if (equals == std::string_view::npos || !IsName(key)) {
            skip("expected Key = value");
            continue;
        }
        if (current == nullptr) {
            skip("a property outside any [control] block");
            continue;
        }
        std::optional<PropertyValue> value = ValueFromText(Trimmed(line.substr(equals + 1)));
        if (!value) {
            skip("cannot read the value of " + std::string(key));
            continue;
        }
        current->properties.set(key, std::move(*value));
    }
    return reading;
}

std::string WritePropertySets(const std::vector<ControlPropertySet>& sets) {
    std::string text;
    for (const ControlPropertySet& set : sets) {
        if (!text.empty()) {
            text += "\n";
        }
        text += "[" + set.control + "]\n";
        for (const PropertyBag::Entry& entry : set.properties.entries()) {
            text += entry.first + " = " + TextFromValue(entry.second) + "\n";
        }
    }
    return text;
}

const PropertyBag* FindPropertySet(const std::vector<ControlPropertySet>& sets,
                                   std::string_view control) {
    for (const ControlPropertySet& set : sets) {
        if (set.control == control) {
            return &set.properties;
        }
    }
    return nullptr;
}
