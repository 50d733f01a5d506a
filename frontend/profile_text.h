#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a profile (INI) file, as the native reader and writer see it:
// section header lines ("[Section]"), key=value lines, and anything else,
// which is kept but never read. Lines end in CR LF or LF; a UTF-8 byte-order
// mark before the first line is passed over. Section names and keys compare
// without regard to the case of ASCII letters; blanks around names, keys and
// values do not count when reading. Where a hand-edited file repeats a
// section or a key, the first one is the one that counts.

// The value of key in section, or nothing when the section or the key is
// missing.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// The text with key=value written into section: the key's first line in the
// section replaced in place, or a new line after the section's last key line,
// or a new section at the end. Every other byte stays as it was, and new lines
// end the way the file's first line does (CR LF for a new file). The value is
// written unchanged up to any line break in it, which would otherwise start a
// line of its own.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);
