#include "dialog_font.h"

namespace {

// Windows' Japanese interface faces, newest first.
constexpr const char* kJapaneseStandIns[] = {"Yu Gothic UI", "Meiryo UI", "MS UI Gothic"};

// DEFAULT_CHARSET: the face's own character set, whatever the system's is.
constexpr std::int16_t kDefaultCharset = 1;

}  // namespace

ButtonFont ScreenFont(ScreenLanguage language, FontCatalog& catalog) {
    ButtonFont font = DialogFont();
    if (language == ScreenLanguage::kJapanese) {
        if (catalog.installed(font.name)) {
            return font;
        }
        for (const char* standIn : kJapaneseStandIns) {
            if (catalog.installed(standIn)) {
                font.name = standIn;
                return font;
            }
        }
    }
    font.name = catalog.messageFontName();
    font.charset = kDefaultCharset;
    return font;
}
