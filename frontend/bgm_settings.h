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
    // Full path of the music file, Shift-JIS bytes.
    std::string BGM_File;
};
