#include "music_file_ending.h"

#include <vector>

#include "shift_jis.h"

std::string MusicFileEnding(std::string_view file) {
    // Characters can only be told apart from the front.
    std::vector<std::size_t> starts;
    for (std::size_t offset = 0; offset < file.size();) {
        starts.push_back(offset);
        const bool pair = IsShiftJisLeadByte(static_cast<unsigned char>(file[offset])) &&
                          offset + 1 < file.size();
        offset += pair ? 2 : 1;
    }
    const std::size_t first = starts.size() > 3 ? starts[starts.size() - 3] : 0;
    return ShiftJisUpperAscii(file.substr(first));
}
