#include <gtest/gtest.h>

#include "fake_settings_ports.h"
#include "settings_file.h"
#include "texts.h"

namespace {

const std::string kIni = "C:\\Savers\\Velmora.ini";

class ReadSettingsTest : public ::testing::Test {
  protected:
    void setValues(const char* kind, const char* track, const char* file) {
        if (kind != nullptr) {
            profile.set(kIni, "Section", kKeyKind, kind);
        }
        if (track != nullptr) {
            profile.set(kIni, "Section", kKeyRepeatTrack, track);
        }
        if (file != nullptr) {
            profile.set(kIni, "Section", kKeyFile, file);
        }
    }
    void read() { ReadSettings(profile, files, kIni, settings); }

    FakeProfile profile;
    FakeFiles files;
    BgmSettings settings;
};

TEST(GetIniValue, AsksWithAnEmptyDefaultAndA256ByteBuffer) {
    FakeProfile profile;
    profile.set("f.ini", "Section", "Key", "value");
    EXPECT_EQ(GetIniValue(profile, "Section", "Key", "f.ini"), "value");
    EXPECT_EQ(GetIniValue(profile, "Section", "Missing", "f.ini"), "");
    ASSERT_EQ(profile.reads.size(), 2u);
    EXPECT_EQ(profile.reads[0].section, "Section");
    EXPECT_EQ(profile.reads[0].file, "f.ini");
    EXPECT_EQ(profile.reads[0].defaultValue, "");
    EXPECT_EQ(profile.reads[0].size, 256u);
}

TEST(GetIniValue, CutsAt255BytesAndAtTheFirstNul) {
    FakeProfile profile;
    profile.set("f.ini", "Section", "Long", std::string(300, 'x'));
    profile.set("f.ini", "Section", "Nul", std::string("ab\0cd", 5));
    EXPECT_EQ(GetIniValue(profile, "Section", "Long", "f.ini"), std::string(255, 'x'));
    EXPECT_EQ(GetIniValue(profile, "Section", "Nul", "f.ini"), "ab");
}

TEST(PutIniValue, WritesTheValueUnchangedAndKeepsTheResult) {
    FakeProfile profile;
    std::int32_t lastApiResult = 99;
    profile.writeResult = 0;
    PutIniValue(profile, "Section", kKeyKind, " 1", kIni, lastApiResult);
    ASSERT_EQ(profile.writes.size(), 1u);
    EXPECT_EQ(profile.writes[0].section, "Section");
    EXPECT_EQ(profile.writes[0].key, kKeyKind);
    EXPECT_EQ(profile.writes[0].value, " 1");
    EXPECT_EQ(profile.writes[0].file, kIni);
    EXPECT_EQ(lastApiResult, 0);
}

TEST(PutIniValue, CutsSectionAndKeyTo127Characters) {
    FakeProfile profile;
    std::int32_t lastApiResult = 0;
    const std::string longValue(400, 'v');
    PutIniValue(profile, std::string(200, 's'), std::string(127, 'k'), longValue, kIni,
                lastApiResult);
    // 126 ASCII characters and a two-byte one make 127 characters.
    const std::string twoByteKey = std::string(126, 'k') + "\x8b\xe6" + "\x95\xaa";
    PutIniValue(profile, "Section", twoByteKey, "1", kIni, lastApiResult);
    ASSERT_EQ(profile.writes.size(), 2u);
    EXPECT_EQ(profile.writes[0].section, std::string(127, 's'));
    EXPECT_EQ(profile.writes[0].key, std::string(127, 'k'));
    EXPECT_EQ(profile.writes[0].value, longValue);
    EXPECT_EQ(profile.writes[1].key, std::string(126, 'k') + "\x8b\xe6");
    EXPECT_EQ(lastApiResult, 1);
}

TEST(SettingNumberText, HasABlankWhereAPlusSignWouldGo) {
    EXPECT_EQ(SettingNumberText(0), " 0");
    EXPECT_EQ(SettingNumberText(2), " 2");
    EXPECT_EQ(SettingNumberText(12), " 12");
    EXPECT_EQ(SettingNumberText(-3), "-3");
    EXPECT_EQ(SettingNumberText(-32768), "-32768");
}

TEST(FileExists, DropsOneTrailingBackslashBeforeAsking) {
    FakeFiles files;
    files.readable = {"C:\\Music\\a.mp3", "C:\\Music"};
    EXPECT_TRUE(FileExists(files, "C:\\Music\\a.mp3"));
    EXPECT_TRUE(FileExists(files, "C:\\Music\\"));
    EXPECT_FALSE(FileExists(files, "C:\\Music\\\\"));
    // C:\ソ ends in ソ (83 5C), not in a backslash: asked as it is.
    EXPECT_FALSE(FileExists(files, "C:\\\x83\x5c"));
    EXPECT_FALSE(FileExists(files, ""));
    EXPECT_EQ(files.asked, (std::vector<std::string>{"C:\\Music\\a.mp3", "C:\\Music", "C:\\Music\\",
                                                     "C:\\\x83\x5c"}));

    // A path as the system names it goes to the system as it is.
    files.asked.clear();
    files.readable = {"C:\\Zoë Łoś\\Zoë Łoś.mp3"};
    EXPECT_TRUE(FileExists(files, std::wstring(L"C:\\Zoë Łoś\\Zoë Łoś.mp3")));
    EXPECT_FALSE(FileExists(files, std::wstring(L"C:\\Zoë Łoś\\")));
    EXPECT_FALSE(FileExists(files, std::wstring(L"\\")));
    EXPECT_EQ(files.asked,
              (std::vector<std::string>{"W C:\\Zoë Łoś\\Zoë Łoś.mp3", "W C:\\Zoë Łoś"}));
}

TEST_F(ReadSettingsTest, NoFileMeansNoMusic) {
    settings.BGM_Kind = 1;
    settings.BGM_RepeatTrack = 4;
    settings.BGM_File = "old";
    read();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_RepeatTrack, 0);
    EXPECT_EQ(settings.BGM_File, "");
    // The three keys, in order, from the one section of the one file.
    ASSERT_EQ(profile.reads.size(), 3u);
    EXPECT_EQ(profile.reads[0].key, kKeyKind);
    EXPECT_EQ(profile.reads[1].key, kKeyRepeatTrack);
    EXPECT_EQ(profile.reads[2].key, kKeyFile);
    for (const auto& r : profile.reads) {
        EXPECT_EQ(r.section, "Section");
        EXPECT_EQ(r.file, kIni);
    }
}

TEST_F(ReadSettingsTest, ReadsASavedChoice) {
    files.readable = {"C:\\Music\\song.mp3"};
    setValues(" 2", " 12", "C:\\Music\\song.mp3");
    read();
    EXPECT_EQ(settings.BGM_Kind, 2);
    EXPECT_EQ(settings.BGM_RepeatTrack, 12);
    EXPECT_EQ(settings.BGM_File, "C:\\Music\\song.mp3");
}

TEST_F(ReadSettingsTest, FileKindWithoutAReadableFileFallsBackToNoMusic) {
    setValues(" 2", " 0", "");
    read();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_File, "");

    setValues(" 2", " 0", "C:\\Music\\deleted.mp3");
    read();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_File, "");

    // A folder written with a trailing backslash is checked without it, and
    // a folder is no file.
    setValues(" 2", " 0", "C:\\Music\\");
    read();
    EXPECT_EQ(files.asked.back(), "C:\\Music");
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_File, "");
}

TEST_F(ReadSettingsTest, OnlyTheFileKindFallsBack) {
    setValues(" 1", " 3", "");
    read();
    EXPECT_EQ(settings.BGM_Kind, 1);
    EXPECT_EQ(settings.BGM_RepeatTrack, 3);

    // A path that names no file is forgotten under any kind.
    setValues(" 1", " 3", "C:\\Music\\deleted.mp3");
    read();
    EXPECT_EQ(settings.BGM_Kind, 1);
    EXPECT_EQ(settings.BGM_File, "");
}

TEST_F(ReadSettingsTest, ANumberThatDoesNotReadKeepsTheOldValue) {
    setValues("abc", "40000", nullptr);
    read();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_RepeatTrack, 0);

    settings.BGM_Kind = 1;
    settings.BGM_RepeatTrack = 5;
    read();
    EXPECT_EQ(settings.BGM_Kind, 1);
    EXPECT_EQ(settings.BGM_RepeatTrack, 5);

    // An empty value is no failure: it reads as 0.
    setValues("", "", nullptr);
    read();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_RepeatTrack, 0);
}

TEST_F(ReadSettingsTest, FractionsAreDroppedTowardMinusInfinity) {
    setValues("1.9", "3.9", nullptr);
    read();
    EXPECT_EQ(settings.BGM_Kind, 1);
    EXPECT_EQ(settings.BGM_RepeatTrack, 3);
    setValues("-1.5", "-0.1", nullptr);
    read();
    EXPECT_EQ(settings.BGM_Kind, -2);
    EXPECT_EQ(settings.BGM_RepeatTrack, -1);
}

TEST_F(ReadSettingsTest, APathCutAt255BytesIsCheckedAsCut) {
    const std::string longPath = "C:\\" + std::string(300, 'm') + ".mp3";
    files.readable = {longPath};
    setValues(" 2", " 0", longPath.c_str());
    read();
    EXPECT_EQ(files.asked.back(), longPath.substr(0, 255));
    EXPECT_EQ(settings.BGM_File, "");
    EXPECT_EQ(settings.BGM_Kind, 0);
}

}  // namespace
