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

    // The settings dialog: the music panel's heading, the kinds' captions,
    // the repeat list's caption and the buttons' captions.
    const char* musicHeading;
    const char* captionNone;
    const char* captionCompactDisc;
    const char* captionMusicFile;
    const char* captionRepeat;
    const char* captionChooseFile;
    const char* captionOtherWorks;
    const char* captionSet;
    const char* captionCancel;
    // The open-file dialog: its filter's description and its title.
    const char* musicFileFilterName;
    const char* openFileTitle;
    // The white line under the panel; {maker} and {version} stand for the
    // build's maker and version.
    const char* makerLine;
    // The dialog's messages. The platform shows the path concerned below the
    // first.
    const char* saveFailed;
    const char* chosenPathTooLong;
    // A chosen file whose name neither the system's code page nor a short
    // name can carry into Velmora.ini.
    const char* chosenPathUnkept;

    // The buttons between the pages: on the music page to the painting's,
    // and back.
    const char* captionToPainting;
    const char* captionToMusic;
    // The painting page: its heading and its lists' captions.
    const char* paintingHeading;
    const char* captionPreset;
    const char* captionDrawMode;
    const char* captionAmount;
    const char* captionSize;
    const char* captionSpeed;
    const char* captionTrail;
    const char* captionFlows;
    // The draw modes, by the painting's number for them.
    const char* drawModeSprites;
    const char* drawModePoints;
    const char* drawModeLines;
    // The presets' names, in the order of kPresets; then a look that is no
    // preset, and a preset drawn at random for each run.
    const char* presetDesigned;
    const char* presetCalmLines;
    const char* presetDenseSprites;
    const char* presetQuickTrails;
    const char* presetOwn;
    const char* presetRandom;
    // The list of the monitors the painting is shown on: its caption, then
    // every monitor and the main monitor only.
    const char* captionMonitors;
    const char* monitorsEvery;
    const char* monitorsMainOnly;
};

inline constexpr ScreenTexts kJapaneseScreenTexts = {
    kMissingRenderer,
    kApplicationTitle,
    "BGM",
    kCaptionNone,
    kCaptionCompactDisc,
    kCaptionMusicFile,
    kCaptionRepeat,
    "...",
    kCaptionOtherWorks,
    kCaptionSet,
    kCaptionCancel,
    kMusicFileFilterName,
    kOpenFileTitle,
    "Designed by {maker} Ver.{version}",
    kSaveFailed,
    kChosenPathTooLong,
    kChosenPathUnkept,
    kCaptionToPainting,
    kCaptionToMusic,
    kPaintingHeading,
    kCaptionPreset,
    kCaptionDrawMode,
    kCaptionAmount,
    kCaptionSize,
    kCaptionSpeed,
    kCaptionTrail,
    kCaptionFlows,
    kDrawModeSprites,
    kDrawModePoints,
    kDrawModeLines,
    "Velmora",
    kPresetCalmLines,
    kPresetDenseSprites,
    kPresetQuickTrails,
    kPresetOwn,
    kPresetRandom,
    kCaptionMonitors,
    kMonitorsEvery,
    kMonitorsMainOnly,
};

inline constexpr ScreenTexts kEnglishScreenTexts = {
    "Velmora.dll was not found in the same folder as Velmora.scr.",
    kApplicationTitle,
    "Music",
    "None",
    "Audio CD",
    "MP3, WAV",
    "Repeat track",
    "...",
    "More works",
    "OK",
    "Cancel",
    "Music files (MP3 WAV)",
    "Open",
    "Designed by {maker} Ver.{version}",
    "The settings could not be saved. This file cannot be written:",
    "The file's path is too long to be chosen.",
    "The file's name cannot be kept in the settings in this system's characters, so it "
    "cannot be chosen.",
    "Painting >>",
    "<< Music",
    "Painting",
    "Preset",
    "Style",
    "Amount",
    "Size",
    "Speed",
    "Trail",
    "Flows",
    "Sprites",
    "Points",
    "Lines",
    "Velmora",
    "Calm lines",
    "Dense sprites",
    "Quick trails",
    "Own settings",
    "Random preset each run",
    "Monitors",
    "Every monitor",
    "The main monitor only",
};

// Every text of a table, for what goes through them all.
inline constexpr const char* ScreenTexts::*kScreenTextFields[] = {
    &ScreenTexts::missingRenderer,    &ScreenTexts::missingRendererCaption,
    &ScreenTexts::musicHeading,       &ScreenTexts::captionNone,
    &ScreenTexts::captionCompactDisc, &ScreenTexts::captionMusicFile,
    &ScreenTexts::captionRepeat,      &ScreenTexts::captionChooseFile,
    &ScreenTexts::captionOtherWorks,  &ScreenTexts::captionSet,
    &ScreenTexts::captionCancel,      &ScreenTexts::musicFileFilterName,
    &ScreenTexts::openFileTitle,      &ScreenTexts::makerLine,
    &ScreenTexts::saveFailed,         &ScreenTexts::chosenPathTooLong,
    &ScreenTexts::chosenPathUnkept,   &ScreenTexts::captionToPainting,
    &ScreenTexts::captionToMusic,     &ScreenTexts::paintingHeading,
    &ScreenTexts::captionPreset,      &ScreenTexts::captionDrawMode,
    &ScreenTexts::captionAmount,      &ScreenTexts::captionSize,
    &ScreenTexts::captionSpeed,       &ScreenTexts::captionTrail,
    &ScreenTexts::captionFlows,       &ScreenTexts::drawModeSprites,
    &ScreenTexts::drawModePoints,     &ScreenTexts::drawModeLines,
    &ScreenTexts::presetDesigned,     &ScreenTexts::presetCalmLines,
    &ScreenTexts::presetDenseSprites, &ScreenTexts::presetQuickTrails,
    &ScreenTexts::presetOwn,          &ScreenTexts::presetRandom,
    &ScreenTexts::captionMonitors,    &ScreenTexts::monitorsEvery,
    &ScreenTexts::monitorsMainOnly,
};

constexpr const ScreenTexts& ScreenTextsIn(ScreenLanguage language) {
    return language == ScreenLanguage::kJapanese ? kJapaneseScreenTexts : kEnglishScreenTexts;
}
