#include "shift_jis.h"

#include <vector>

namespace {

// Length in bytes of the character that starts at offset.
std::size_t CharacterLength(std::string_view text, std::size_t offset) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(text[offset])) && offset + 1 < text.size()) {
        return 2;
    }
    return 1;
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t ShiftJisCharacterOffset(std::string_view text, std::size_t index) {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < index && offset < text.size(); ++i) {
        offset += CharacterLength(text, offset);
    }
    return offset;
}

std::string_view ShiftJisCharacterAt(std::string_view text, std::size_t index) {
    const std::size_t offset = ShiftJisCharacterOffset(text, index);
    if (offset >= text.size()) {
        return {};
    }
    return text.substr(offset, CharacterLength(text, offset));
}

std::string_view ShiftJisPrefix(std::string_view text, std::size_t count) {
    return text.substr(0, ShiftJisCharacterOffset(text, count));
}

std::string_view ShiftJisSuffix(std::string_view text, std::size_t count) {
    // The offsets of the last `count` character starts, kept in a ring.
    std::vector<std::size_t> starts(count + 1, 0);
    std::size_t characters = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += CharacterLength(text, offset)) {
        starts[characters % starts.size()] = offset;
        ++characters;
    }
    if (characters <= count) {
        return text;
    }
    return text.substr(starts[(characters - count) % starts.size()]);
}

std::size_t ShiftJisLastBackslash(std::string_view text) {
    std::size_t found = std::string_view::npos;
    for (std::size_t offset = 0; offset < text.size(); offset += CharacterLength(text, offset)) {
        if (text[offset] == '\\') {
            found = offset;
        }
    }
    return found;
}

bool ShiftJisEndsWithBackslash(std::string_view text) {
    const std::size_t last = ShiftJisLastBackslash(text);
    return last != std::string_view::npos && last + 1 == text.size();
}

std::string ShiftJisUpperAscii(std::string_view text) {
    std::string upper(text);
    for (std::size_t offset = 0; offset < upper.size();) {
        const std::size_t length = CharacterLength(upper, offset);
        if (length == 1) {
            upper[offset] = UpperAscii(upper[offset]);
        }
        offset += length;
    }
    return upper;
}

bool ShiftJisEqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t offset = 0; offset < a.size();) {
        const std::size_t length = CharacterLength(a, offset);
        if (length != CharacterLength(b, offset)) {
            return false;
        }
        if (length == 1) {
            if (UpperAscii(a[offset]) != UpperAscii(b[offset])) {
                return false;
            }
        } else if (a.substr(offset, 2) != b.substr(offset, 2)) {
            return false;
        }
        offset += length;
    }
    return true;
}
