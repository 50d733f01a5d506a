#pragma once

#include <cstdint>

#include "texts.h"
#include "window_titles.h"

// What a person reads on screen, in the language of the user's Windows:
// Japanese where that is Japanese, with every text exactly as it has always
// been, and English everywhere else. Each language's texts are one table
// below; a text added to the screen is added to every table. The texts are
// Shift-JIS bytes (the English ones plain ASCII, which reads the same), shown
// through the wide functions so that they read right whatever the system's
// ANSI code page. Keys of Velmora.ini and window titles that programs look
// for are no screen texts and are never translated.

enum class ScreenLanguage { kJapanese, kEnglish };

// For a Windows language id (GetUserDefaultUILanguage): its primary language
// decides, so Japanese of any region reads Japanese.
constexpr ScreenLanguage ScreenLanguageFor(std::uint16_t languageId) {
    constexpr std::uint16_t kPrimaryLanguageMask = 0x3ff;
    constexpr std::uint16_t kJapanese = 0x11;  // LANG_JAPANESE
    return (languageId & kPrimaryLanguageMask) == kJapanese ? ScreenLanguage::kJapanese
                                                            : ScreenLanguage::kEnglish;
}

struct ScreenTexts {
    // The message box shown when Velmora.dll is not beside Velmora.scr, and
    // its caption.
    const char* missingRenderer;
    const char* missingRendererCaption;
};

inline constexpr ScreenTexts kJapaneseScreenTexts = {
    kMissingRenderer,
    kApplicationTitle,
};

inline constexpr ScreenTexts kEnglishScreenTexts = {
    "Velmora.dll was not found in the same folder as Velmora.scr.",
    kApplicationTitle,
};

// Every text of a table, for what goes through them all.
inline constexpr const char* ScreenTexts::*kScreenTextFields[] = {
    &ScreenTexts::missingRenderer,
    &ScreenTexts::missingRendererCaption,
};

constexpr const ScreenTexts& ScreenTextsIn(ScreenLanguage language) {
    return language == ScreenLanguage::kJapanese ? kJapaneseScreenTexts : kEnglishScreenTexts;
}
