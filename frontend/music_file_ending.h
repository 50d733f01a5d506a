#pragma once

#include <string>
#include <string_view>

// The music file's type is its name's last three characters, upper-cased:
// "MP3" or "WAV". The path is Shift-JIS, so a character is one or two bytes:
// the last three bytes of a name could be the second half of a two-byte
// character and two letters, and must not read as an ending then.
std::string MusicFileEnding(std::string_view file);
