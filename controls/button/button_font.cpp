#include "button_font.h"

#include "command_texts.h"

namespace {

constexpr std::int16_t kShiftJisCharset = 128;

}  // namespace

ButtonFont DialogFont() {
    ButtonFont font;
    font.name = kDialogFontName;
    font.size = 9.75;
    font.weight = 400;
    font.charset = kShiftJisCharset;
    return font;
}
