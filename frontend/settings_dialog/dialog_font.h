#pragma once

#include <string>

#include "button_font.h"
#include "screen_texts.h"

// What the font choice needs to know of the system: which faces it has, and
// the face it writes its own messages in.
class FontCatalog {
  public:
    virtual ~FontCatalog() = default;

    // Whether a face of that name (Shift-JIS bytes) is there to draw with.
    virtual bool installed(const std::string& name) = 0;
    // The face of the system's message font, as Shift-JIS bytes.
    virtual std::string messageFontName() = 0;
};

// The font of the dialog's captions and its buttons. Japanese texts are drawn
// in the designed face where the system has it, else in the first of the
// Japanese interface faces that it has, else in the system's message font;
// English texts in the system's message font. Always at the designed size
// and weight, so that the layout holds.
ButtonFont ScreenFont(ScreenLanguage language, FontCatalog& catalog);
