#pragma once

#include <cstdint>
#include <string>

// The kinds of music, as BGM_Kind holds them; other values play nothing.
constexpr std::int16_t kBgmNone = 0;
constexpr std::int16_t kBgmCompactDisc = 1;
constexpr std::int16_t kBgmMusicFile = 2;

// The music settings as the settings file holds them. The module reads them
// through a reference on every call, so that what the settings dialog edits
// is what plays next.
struct BgmSettings {
    // kBgmNone, kBgmCompactDisc or kBgmMusicFile (an MP3 or WAV file).
    std::int16_t BGM_Kind = kBgmNone;
    // The CD track played in a loop; 0 plays the whole disc.
    std::int16_t BGM_RepeatTrack = 0;
    // Full path of the music file as Velmora.ini keeps it: bytes in the
    // system's ANSI code page (Shift-JIS on a Japanese system), or its short
    // form where that code page cannot write its name (see PathBytesOf).
    std::string BGM_File;
};
