#pragma once

#include <cstdint>
#include <string>

// A font as the caption label holds it and the property set stores it whole.
struct ButtonFont {
    std::string name;  // Shift-JIS bytes
    double size = 0;   // points
    std::int16_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t charset = 0;

    bool operator==(const ButtonFont& other) const {
        return name == other.name && size == other.size && weight == other.weight &&
               italic == other.italic && underline == other.underline &&
               strikethrough == other.strikethrough && charset == other.charset;
    }
    bool operator!=(const ButtonFont& other) const { return !(*this == other); }
};

// The font of the settings dialog's captions: ＭＳ Ｐゴシック, 9.75 points,
// normal weight, the Shift-JIS character set.
ButtonFont DialogFont();
