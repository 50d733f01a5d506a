#pragma once

#include <cstdint>
#include <string>

// The music settings as the settings file holds them. The module reads them
// through a reference on every call, so that what the settings dialog edits
// is what plays next.
struct BgmSettings {
    // 0 no music, 1 audio CD, 2 MP3 or WAV file; other values play nothing.
    std::int16_t BGM_Kind = 0;
    // The CD track played in a loop; 0 plays the whole disc.
    std::int16_t BGM_RepeatTrack = 0;
    // Full path of the music file as Velmora.ini keeps it: bytes in the
    // system's ANSI code page (Shift-JIS on a Japanese system), or its short
    // form where that code page cannot write its name (see PathBytesOf).
    std::string BGM_File;
};
