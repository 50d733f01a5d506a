#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Byte strings in Shift-JIS (code page 932), where the second byte of a
// two-byte character can look like an ASCII letter or a backslash ("ソ" is
// 83 5C). Anything that looks at single characters of a path, a key or the
// command line walks the text a character at a time through these.

// True for the first byte of a two-byte character.
bool IsShiftJisLeadByte(unsigned char byte);

// Byte offset of the character with the given 0-based index, or text.size()
// when the text has fewer characters. A lead byte at the very end counts as a
// character of its own.
std::size_t ShiftJisCharacterOffset(std::string_view text, std::size_t index);

// The character (one or two bytes) at the given 0-based index, empty past the
// end.
std::string_view ShiftJisCharacterAt(std::string_view text, std::size_t index);

// At most `count` characters from the front, never cutting a character in two.
std::string_view ShiftJisPrefix(std::string_view text, std::size_t count);

// At most `count` characters from the back. Characters can only be told apart
// from the front, so the last bytes of a text may be the second half of a
// two-byte character and never start a character of the suffix.
std::string_view ShiftJisSuffix(std::string_view text, std::size_t count);

// Byte offset of the last character that is a backslash, or npos.
std::size_t ShiftJisLastBackslash(std::string_view text);

// True when the last character is a backslash (not the second byte of a
// two-byte character).
bool ShiftJisEndsWithBackslash(std::string_view text);

// ASCII letters upper-cased; the bytes of two-byte characters are left alone.
std::string ShiftJisUpperAscii(std::string_view text);

// Equal when the texts differ only in the case of ASCII letters outside
// two-byte characters.
bool ShiftJisEqualIgnoringCase(std::string_view a, std::string_view b);
