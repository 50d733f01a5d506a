#pragma once

#include <cstdint>
#include <string>

#include "button_font.h"

// LblMsg, the windowless label that shows the caption over the face. The
// window paints it from this state; positions are in twips.
struct CaptionLabel {
    static constexpr float kHeight = 195;  // one line of the dialog font

    std::string text = "Command";  // Shift-JIS bytes
    ButtonFont font;
    std::uint32_t colour = 0;  // 0x00BBGGRR
    bool enabled = true;
    float top = 0;
    float left = 0;
    float width = 0;
    float height = kHeight;

    // The label takes only plain 0x00BBGGRR colours; it refuses anything
    // else and keeps the colour it has.
    bool setColour(std::uint32_t newColour) {
        if ((newColour & 0xFF000000u) != 0) {
            return false;
        }
        colour = newColour;
        return true;
    }
};
