#pragma once

// Settings files and what the profile functions read from them, shared by the
// native reader's unit tests and a Windows program that runs the same cases
// against GetPrivateProfileStringA. Keys and values are Shift-JIS bytes.

#include <string_view>

using namespace std::string_view_literals;

// BGM区分, BGMﾘﾋﾟｰﾄ, BGMﾌｧｲﾙ
#define INI_KIND "BGM\x8b\xe6\x95\xaa"
#define INI_TRACK "BGM\xd8\xcb\xdf\xb0\xc4"
#define INI_FILE "BGM\xcc\xa7\xb2\xd9"
// C:\ソフト\曲.mp3: the second byte of ソ is a backslash.
#define INI_SJIS_PATH "C:\\\x83\x5c\x83t\x83g\\\x8b\xc8.mp3"
#define INI_X10 "xxxxxxxxxx"
#define INI_X100 INI_X10 INI_X10 INI_X10 INI_X10 INI_X10 INI_X10 INI_X10 INI_X10 INI_X10 INI_X10

struct IniReadCase {
    const char* name;
    // No file at all when missing is true.
    bool missing;
    std::string_view content;
    const char* section;
    const char* key;
    const char* expected;
};

inline constexpr IniReadCase kIniReadCases[] = {
    {"saved file", false, "[Section]\r\n" INI_KIND "= 2\r\n" INI_TRACK "= 0\r\n" INI_FILE "=\r\n"sv,
     "Section", INI_KIND, "2"},
    {"empty value", false, "[Section]\r\n" INI_KIND "= 2\r\n" INI_FILE "=\r\n"sv, "Section",
     INI_FILE, ""},
    {"no file", true, ""sv, "Section", INI_KIND, ""},
    {"empty file", false, ""sv, "Section", INI_KIND, ""},
    {"LF line ends", false, "[Section]\n" INI_KIND "=1\n" INI_TRACK "=3\n"sv, "Section", INI_TRACK,
     "3"},
    {"no line break at the end", false, "[Section]\r\n" INI_KIND "=2"sv, "Section", INI_KIND, "2"},
    {"key case", false, "[Section]\r\nbgm\x8b\xe6\x95\xaa=1\r\n"sv, "Section", INI_KIND, "1"},
    {"section case", false, "[SECTION]\r\n" INI_KIND "=1\r\n"sv, "section", INI_KIND, "1"},
    {"blanks around key and value", false,
     "[Section]\r\n   " INI_FILE "  =   C:\\Music\\a b.mp3   \r\n"sv, "Section", INI_FILE,
     "C:\\Music\\a b.mp3"},
    {"tabs around the value", false, "[Section]\r\n" INI_KIND "\t=\t2\t\r\n"sv, "Section", INI_KIND,
     "2"},
    {"missing key", false, "[Section]\r\n" INI_KIND "=1\r\n"sv, "Section", INI_TRACK, ""},
    {"missing section", false, "[Other]\r\n" INI_KIND "=2\r\n"sv, "Section", INI_KIND, ""},
    {"no section line", false, INI_KIND "=2\r\n" INI_TRACK "=3\r\n"sv, "Section", INI_KIND, ""},
    {"key of another section", false,
     "[Other]\r\n" INI_KIND "=5\r\n[Section]\r\n" INI_KIND "=2\r\n[Last]\r\n" INI_KIND "=7\r\n"sv,
     "Section", INI_KIND, "2"},
    {"key only in a later section", false,
     "[Section]\r\n" INI_KIND "=1\r\n[Other]\r\n" INI_TRACK "=4\r\n"sv, "Section", INI_TRACK, ""},
    {"duplicate key", false, "[Section]\r\n" INI_KIND "=1\r\n" INI_KIND "=2\r\n"sv, "Section",
     INI_KIND, "1"},
    {"lines without equals sign", false,
     "[Section]\r\nsomething typed here\r\n\r\n" INI_KIND "=1\r\n"sv, "Section", INI_KIND, "1"},
    {"comment and blank lines", false,
     "; saved settings\r\n\r\n[Section]\r\n\r\n" INI_KIND "=1\r\n"sv, "Section", INI_KIND, "1"},
    {"equals sign in the value", false, "[Section]\r\n" INI_FILE "=C:\\a=b.mp3\r\n"sv, "Section",
     INI_FILE, "C:\\a=b.mp3"},
    {"Shift-JIS path", false, "[Section]\r\n" INI_FILE "=" INI_SJIS_PATH "\r\n"sv, "Section",
     INI_FILE, INI_SJIS_PATH},
    {"full-width katakana key is another key", false,
     "[Section]\r\nBGM\x83\x8a\x83s\x81[\x83g=3\r\n"sv, "Section", INI_TRACK, ""},
    // ア (83 41) and ャ (83 61) differ only in what looks like the case of
    // their second byte: different characters, so different keys.
    {"second byte of a two-byte character keeps its case", false,
     "[Section]\r\nBGM\x83\x61=3\r\n"sv, "Section", "BGM\x83\x41", ""},
    {"value cut to 255 bytes", false,
     "[Section]\r\n" INI_FILE "=" INI_X100 INI_X100 INI_X100 "\r\n"sv, "Section", INI_FILE,
     INI_X100 INI_X100 INI_X10 INI_X10 INI_X10 INI_X10 INI_X10 "xxxxx"},
    {"UTF-8 byte-order mark", false, "\xEF\xBB\xBF[Section]\r\nKind=1\r\n"sv, "Section", "Kind",
     "1"},
};

struct IniWriteCase {
    const char* name;
    bool missing;
    std::string_view content;
    const char* section;
    const char* key;
    const char* value;
    // What the key then reads as, and one other key that must read as before.
    const char* expected;
    const char* otherKey;
    const char* otherExpected;
};

inline constexpr IniWriteCase kIniWriteCases[] = {
    {"new file", true, ""sv, "Section", INI_KIND, " 1", "1", INI_TRACK, ""},
    {"replaced in place", false, "[Section]\r\n" INI_KIND "= 2\r\n" INI_TRACK "= 5\r\n"sv,
     "Section", INI_KIND, " 0", "0", INI_TRACK, "5"},
    {"added to its section", false, "[Section]\r\n" INI_KIND "= 1\r\n[Other]\r\nx=9\r\n"sv,
     "Section", INI_FILE, INI_SJIS_PATH, INI_SJIS_PATH, INI_KIND, "1"},
    {"section added", false, "[Other]\r\n" INI_KIND "=9\r\n"sv, "Section", INI_KIND, " 2", "2",
     INI_TRACK, ""},
    {"key of another case replaced", false, "[Section]\r\nbgm\x8b\xe6\x95\xaa=1\r\n"sv, "Section",
     INI_KIND, " 2", "2", INI_FILE, ""},
    {"empty value", false, "[Section]\r\n" INI_FILE "=C:\\a.mp3\r\n"sv, "Section", INI_FILE, "", "",
     INI_KIND, ""},
    {"file without line break at the end", false, "[Section]\r\n" INI_KIND "=1"sv, "Section",
     INI_TRACK, " 4", "4", INI_KIND, "1"},
};
