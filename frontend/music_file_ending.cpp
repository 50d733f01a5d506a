#include "music_file_ending.h"

#include "shift_jis.h"

std::string MusicFileEnding(std::string_view file) {
    return ShiftJisUpperAscii(ShiftJisSuffix(file, 3));
}
