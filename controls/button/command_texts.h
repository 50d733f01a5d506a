#pragma once

// The Japanese text of the button control, as the Shift-JIS (code page 932)
// bytes that its stored fonts carry, with the readable text beside it. A unit
// test decodes every entry of kCommandJapaneseTexts and compares it with its
// readable form, so a text added here belongs in that list too.

// The face of the settings dialog's captions.
inline constexpr char kDialogFontName[] =
    "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳ Ｐゴシック

struct CommandJapaneseText {
    const char* name;
    const char* bytes;
};

inline constexpr CommandJapaneseText kCommandJapaneseTexts[] = {
    {"kDialogFontName", kDialogFontName},
};
