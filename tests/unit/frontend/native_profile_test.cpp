#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "ini_cases.h"
#include "monitor_setting.h"
#include "native_profile.h"
#include "profile_text.h"
#include "settings_file.h"
#include "temp_folder.h"
#include "texts.h"

namespace {

std::string Read(NativeProfile& profile, const std::string& file, const char* section,
                 const char* key) {
    return GetIniValue(profile, section, key, file);
}

TEST(NativeProfile, ReadsTheSharedCasesAsTheWindowsProfileFunctionsDo) {
    for (const IniReadCase& c : kIniReadCases) {
        TempFolder folder;
        const std::string file =
            c.missing ? folder.file("Velmora.ini") : folder.write("Velmora.ini", c.content);
        NativeProfile profile;
        EXPECT_EQ(Read(profile, file, c.section, c.key), c.expected) << c.name;
    }
}

TEST(NativeProfile, WritesTheSharedCasesSoThatTheyReadBack) {
    for (const IniWriteCase& c : kIniWriteCases) {
        TempFolder folder;
        const std::string file =
            c.missing ? folder.file("Velmora.ini") : folder.write("Velmora.ini", c.content);
        NativeProfile profile;
        std::int32_t lastApiResult = 0;
        PutIniValue(profile, c.section, c.key, c.value, file, lastApiResult);
        EXPECT_NE(lastApiResult, 0) << c.name;
        EXPECT_EQ(Read(profile, file, c.section, c.key), c.expected) << c.name;
        EXPECT_EQ(Read(profile, file, c.section, c.otherKey), c.otherExpected) << c.name;
    }
}

TEST(NativeProfile, ASavedChoiceInANewFileHasTheDefinedLines) {
    TempFolder folder;
    const std::string file = folder.file("Velmora.ini");
    NativeProfile profile;
    std::int32_t lastApiResult = 0;
    PutIniValue(profile, kSettingsSection, kKeyKind, SettingNumberText(1), file, lastApiResult);
    PutIniValue(profile, kSettingsSection, kKeyRepeatTrack, SettingNumberText(0), file,
                lastApiResult);
    PutIniValue(profile, kSettingsSection, kKeyFile, "", file, lastApiResult);
    EXPECT_EQ(TempFolder::read(file), std::string("[Section]\r\n") + kKeyKind + "= 1\r\n" +
                                          kKeyRepeatTrack + "= 0\r\n" + kKeyFile + "=\r\n");

    // Saving again replaces each line where it stands.
    PutIniValue(profile, kSettingsSection, kKeyKind, SettingNumberText(2), file, lastApiResult);
    PutIniValue(profile, kSettingsSection, kKeyRepeatTrack, SettingNumberText(-3), file,
                lastApiResult);
    PutIniValue(profile, kSettingsSection, kKeyFile, "C:\\a.mp3", file, lastApiResult);
    EXPECT_EQ(TempFolder::read(file), std::string("[Section]\r\n") + kKeyKind + "= 2\r\n" +
                                          kKeyRepeatTrack + "=-3\r\n" + kKeyFile +
                                          "=C:\\a.mp3\r\n");
}

TEST(NativeProfile, KeepsEveryOtherByteOfAHandEditedFile) {
    TempFolder folder;
    const std::string before = std::string("; my settings\n[Other]\nx = 1\n\n[section]\n") +
                               "junk without equals\n" + kKeyKind + " = 1  \n\n[Last]\ny=2";
    const std::string file = folder.write("Velmora.ini", before);
    NativeProfile profile;
    std::int32_t lastApiResult = 0;
    PutIniValue(profile, kSettingsSection, kKeyKind, " 2", file, lastApiResult);
    PutIniValue(profile, kSettingsSection, kKeyFile, "C:\\b.wav", file, lastApiResult);
    // LF stays LF; the new key follows the section's last key, before the
    // blank line that ends the section.
    EXPECT_EQ(TempFolder::read(file),
              std::string("; my settings\n[Other]\nx = 1\n\n[section]\njunk without equals\n") +
                  kKeyKind + "= 2\n" + kKeyFile + "=C:\\b.wav\n\n[Last]\ny=2");
}

TEST(NativeProfile, ALineBreakInAValueCannotStartANewLine) {
    TempFolder folder;
    const std::string file = folder.file("Velmora.ini");
    NativeProfile profile;
    std::int32_t lastApiResult = 0;
    PutIniValue(profile, kSettingsSection, kKeyFile, "C:\\a.mp3\r\n[Section]\r\nBGM=2", file,
                lastApiResult);
    EXPECT_EQ(Read(profile, file, kSettingsSection, kKeyFile), "C:\\a.mp3");
    EXPECT_EQ(TempFolder::read(file), std::string("[Section]\r\n") + kKeyFile + "=C:\\a.mp3\r\n");
}

TEST(NativeProfile, AFileThatCannotBeWrittenIsLeftAsItWas) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    TempFolder folder;
    const std::string before = std::string("[Section]\r\n") + kKeyKind + "= 1\r\n";
    const std::string file = folder.write("Velmora.ini", before);
    chmod(file.c_str(), 0444);
    NativeProfile profile;
    std::int32_t lastApiResult = 7;
    PutIniValue(profile, kSettingsSection, kKeyKind, " 2", file, lastApiResult);
    EXPECT_EQ(lastApiResult, 0);
    EXPECT_EQ(TempFolder::read(file), before);
}

TEST(NativeProfile, AFileInAMissingFolderOrAFolderIsNoSettingsFile) {
    TempFolder folder;
    NativeProfile profile;
    std::int32_t lastApiResult = 7;
    const std::string missing = folder.file("no/such/Velmora.ini");
    PutIniValue(profile, kSettingsSection, kKeyKind, " 2", missing, lastApiResult);
    EXPECT_EQ(lastApiResult, 0);
    EXPECT_EQ(Read(profile, missing, kSettingsSection, kKeyKind), "");

    std::filesystem::create_directory(folder.file("dir.ini"));
    PutIniValue(profile, kSettingsSection, kKeyKind, " 2", folder.file("dir.ini"), lastApiResult);
    EXPECT_EQ(lastApiResult, 0);
    EXPECT_EQ(Read(profile, folder.file("dir.ini"), kSettingsSection, kKeyKind), "");
}

TEST(NativeProfile, ATenMegabyteFileReadsAndWrites) {
    TempFolder folder;
    std::string big;
    big.reserve(10 << 20);
    for (int i = 0; big.size() < (10u << 20); ++i) {
        big += "[Noise" + std::to_string(i) + "]\r\nkey=" + std::string(100, 'n') + "\r\n";
    }
    big += std::string("[Section]\r\n") + kKeyKind + "= 2\r\n";
    const std::string file = folder.write("Velmora.ini", big);
    NativeProfile profile;
    EXPECT_EQ(Read(profile, file, kSettingsSection, kKeyKind), "2");
    std::int32_t lastApiResult = 0;
    PutIniValue(profile, kSettingsSection, kKeyRepeatTrack, " 7", file, lastApiResult);
    EXPECT_EQ(Read(profile, file, kSettingsSection, kKeyRepeatTrack), "7");
    EXPECT_EQ(TempFolder::read(file).size(), big.size() + std::strlen(kKeyRepeatTrack) + 5);
}

TEST(NativeFiles, OnlyAFileThatOpensCounts) {
    TempFolder folder;
    NativeFiles files;
    const std::string file = folder.write("song.mp3", "ID3");
    EXPECT_TRUE(FileExists(files, file));
    EXPECT_FALSE(FileExists(files, folder.file("gone.mp3")));
    std::filesystem::create_directory(folder.file("Music"));
    EXPECT_FALSE(FileExists(files, folder.file("Music")));
    EXPECT_FALSE(FileExists(files, ""));

    // By its wide name, whatever script it is written in.
    folder.write("Zoë Łoś.mp3", "ID3");
    const std::wstring wideFolder = std::filesystem::path(folder.file("")).wstring();
    EXPECT_TRUE(FileExists(files, wideFolder + L"Zoë Łoś.mp3"));
    EXPECT_FALSE(FileExists(files, wideFolder + L"Zoe Łoś.mp3"));
    EXPECT_FALSE(FileExists(files, wideFolder + L"Music"));
}

TEST(ProfileText, HandEditedFilesFallBackToTheFirstOrToNothing) {
    const std::string kind = kKeyKind;
    // A repeated section: only the first one counts, for reading and writing.
    const std::string twice = "[Section]\r\na=1\r\n[Section]\r\n" + kind + "=2\r\n";
    EXPECT_EQ(FindProfileValue(twice, "Section", kind), std::nullopt);
    EXPECT_EQ(WithProfileValue(twice, "Section", kind, "3"),
              "[Section]\r\na=1\r\n" + kind + "=3\r\n[Section]\r\n" + kind + "=2\r\n");
    // A header without its closing bracket still names its section.
    EXPECT_EQ(FindProfileValue("[Section\r\n" + kind + "=1", "Section", kind), "1");
    // An empty key never matches.
    EXPECT_EQ(FindProfileValue("[Section]\r\n=1\r\n", "Section", ""), std::nullopt);
    // Old Mac line ends are no line ends: the whole file is one header line.
    EXPECT_EQ(FindProfileValue("[Section]\r" + kind + "=1\r", "Section", kind), std::nullopt);
}

TEST(ProfileText, BinaryJunkIsReadWithoutHarm) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk += static_cast<char>((i * 7919) & 0xff);
    }
    // NUL bytes are ordinary bytes of a value; GetIniValue stops at the first.
    const std::string nulValue("1\0 2", 4);
    const std::string text = junk + "\n[Section]\n" + kKeyKind + "=" + nulValue + "\n" + junk;
    EXPECT_EQ(FindProfileValue(text, "Section", kKeyKind), nulValue);
    const std::string written = WithProfileValue(text, "Section", kKeyFile, "C:\\a.mp3");
    EXPECT_EQ(FindProfileValue(written, "Section", kKeyFile), "C:\\a.mp3");
    EXPECT_EQ(FindProfileValue(written, "Section", kKeyKind), nulValue);
}

}  // namespace

namespace {

TEST(MonitorSetting, KeptBesideTheMusicWithoutTouchingItsLinesAndReadBack) {
    TempFolder folder;
    const std::string music = std::string("[Section]\r\n") + kKeyKind + "= 2\r\n" +
                              kKeyRepeatTrack + "= 0\r\n" + kKeyFile + "=C:\\a.mp3\r\n";
    const std::string file = folder.write("Velmora.ini", music);
    NativeProfile profile;
    EXPECT_EQ(ReadMonitorChoice(profile, file), MonitorChoice::kEveryMonitor)
        << "a file without the key";

    std::int32_t lastApiResult = 0;
    PutMonitorChoice(profile, MonitorChoice::kMainMonitorOnly, file, lastApiResult);
    EXPECT_NE(lastApiResult, 0);
    EXPECT_EQ(TempFolder::read(file), music + kKeyMonitors + "= 1\r\n");
    EXPECT_EQ(ReadMonitorChoice(profile, file), MonitorChoice::kMainMonitorOnly);

    PutMonitorChoice(profile, MonitorChoice::kEveryMonitor, file, lastApiResult);
    EXPECT_EQ(TempFolder::read(file), music + kKeyMonitors + "= 0\r\n");
    EXPECT_EQ(ReadMonitorChoice(profile, file), MonitorChoice::kEveryMonitor);
    // Only 1 is the main monitor; any other number, or none, every monitor.
    PutIniValue(profile, kSettingsSection, kKeyMonitors, " 2", file, lastApiResult);
    EXPECT_EQ(ReadMonitorChoice(profile, file), MonitorChoice::kEveryMonitor);
    PutIniValue(profile, kSettingsSection, kKeyMonitors, "main", file, lastApiResult);
    EXPECT_EQ(ReadMonitorChoice(profile, file), MonitorChoice::kEveryMonitor);
    EXPECT_EQ(ReadMonitorChoice(profile, folder.file("missing.ini")), MonitorChoice::kEveryMonitor);
}

}  // namespace
