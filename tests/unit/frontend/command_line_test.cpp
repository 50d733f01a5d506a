#include <gtest/gtest.h>

#include "command_line.h"
#include "program_folder.h"

namespace {

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
    EXPECT_EQ(ModeLetter("/p 1234"), "P");
    EXPECT_EQ(ModeLetter("-P 1234"), "P");
    EXPECT_EQ(ModeLetter("/c:5678"), "C");
    EXPECT_EQ(ModeLetter("/S"), "S");
    EXPECT_EQ(ModeLetter("-s"), "S");
    EXPECT_EQ(ModeLetter("/a 1234"), "A");
    // The first character is never looked at.
    EXPECT_EQ(ModeLetter("xs"), "S");
    EXPECT_EQ(ModeLetter(""), "");
    EXPECT_EQ(ModeLetter("/"), "");
}

TEST(ModeLetter, CountsTwoByteCharactersAsOne) {
    // "あs": the second character is s, not the second byte of あ.
    EXPECT_EQ(ModeLetter("\x82\xa0s"), "S");
    // A two-byte second character is returned whole, and its second byte,
    // though it looks like an ASCII s, is not upper-cased.
    EXPECT_EQ(ModeLetter("/\x82s"), "\x82s");
}

TEST(PreviewHostHandle, ReadsTheNumberFromTheFourthCharacterOn) {
    EXPECT_EQ(PreviewHostHandle("/p 1234"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p:1234"), 1234);
    EXPECT_EQ(PreviewHostHandle("-P 1234"), 1234);
    // The third character is skipped whatever it is.
    EXPECT_EQ(PreviewHostHandle("/p51234"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p    42"), 42);
    EXPECT_EQ(PreviewHostHandle("/p \t42"), 42);
    EXPECT_EQ(PreviewHostHandle("/p 42abc"), 42);
    EXPECT_EQ(PreviewHostHandle("/p 42 17"), 42);
    EXPECT_EQ(PreviewHostHandle("/p -7"), -7);
    EXPECT_EQ(PreviewHostHandle("/p 2147483647"), 2147483647);
    EXPECT_EQ(PreviewHostHandle("/p -2147483648"), INT32_MIN);
}

TEST(PreviewHostHandle, RoundsToTheNearestIntegerHalvesToEven) {
    EXPECT_EQ(PreviewHostHandle("/p 12.4"), 12);
    EXPECT_EQ(PreviewHostHandle("/p 12.6"), 13);
    EXPECT_EQ(PreviewHostHandle("/p 12.5"), 12);
    EXPECT_EQ(PreviewHostHandle("/p 13.5"), 14);
    EXPECT_EQ(PreviewHostHandle("/p -0.5"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 1e3"), 1000);
    EXPECT_EQ(PreviewHostHandle("/p 1e"), 1);
    EXPECT_EQ(PreviewHostHandle("/p .5e1"), 5);
}

TEST(PreviewHostHandle, GivesZeroWithoutANumberThatFits) {
    EXPECT_EQ(PreviewHostHandle("/p"), 0);
    EXPECT_EQ(PreviewHostHandle("/p "), 0);
    EXPECT_EQ(PreviewHostHandle("/p abc"), 0);
    EXPECT_EQ(PreviewHostHandle("/p -"), 0);
    EXPECT_EQ(PreviewHostHandle("/p ."), 0);
    EXPECT_EQ(PreviewHostHandle("/p 0x1A"), 0);
    EXPECT_EQ(PreviewHostHandle("/p inf"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 2147483648"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 1e400"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 99999999999999999999999999999"), 0);
}

TEST(ProgramFolder, DropsTheFileNameButADriveRootKeepsItsBackslash) {
    EXPECT_EQ(ProgramFolderOf("C:\\Windows\\Velmora.scr"), "C:\\Windows");
    EXPECT_EQ(ProgramFolderOf("C:\\Velmora.scr"), "C:\\");
    EXPECT_EQ(RendererPathIn(ProgramFolderOf("C:\\Velmora.scr")), "C:\\\\Velmora.dll");
    EXPECT_EQ(SettingsPathIn(ProgramFolderOf("D:\\Savers\\Velmora.scr")),
              "D:\\Savers\\Velmora.ini");
    EXPECT_EQ(ProgramFolderOf("\\\\server\\share\\Velmora.scr"), "\\\\server\\share");
}

TEST(ProgramFolder, AWidePathKeepsItsNameAsItIs) {
    EXPECT_EQ(ProgramFolderOf(L"C:\\Velmora Łódź\\Velmora.scr"), L"C:\\Velmora Łódź");
    EXPECT_EQ(ProgramFolderOf(L"C:\\Velmora.scr"), L"C:\\");
    EXPECT_EQ(RendererPathIn(ProgramFolderOf(L"C:\\Velmora.scr")), L"C:\\\\Velmora.dll");
    EXPECT_EQ(SettingsPathIn(std::wstring(L"D:\\曲")), L"D:\\曲\\Velmora.ini");
    EXPECT_EQ(ReadMePathIn(std::wstring(L"D:\\曲")), L"D:\\曲\\Readme.txt");
    // ソ is U+30BD in UTF-16, nothing like a backslash.
    EXPECT_EQ(ProgramFolderOf(L"C:\\ソフト\\Velmora.scr"), L"C:\\ソフト");
    EXPECT_EQ(ProgramFolderOf(L"Velmora.scr"), L"");
}

TEST(ProgramFolder, ABackslashInsideATwoByteCharacterIsNoSeparator) {
    // C:\ソフト\Velmora.scr; ソ is 83 5C.
    EXPECT_EQ(ProgramFolderOf("C:\\\x83\x5c\x83t\x83g\\Velmora.scr"), "C:\\\x83\x5c\x83t\x83g");
    // C:\ソ.scr lies at the root.
    EXPECT_EQ(ProgramFolderOf("C:\\\x83\x5c.scr"), "C:\\");
}

}  // namespace
