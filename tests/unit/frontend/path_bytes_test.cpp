#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_settings_ports.h"
#include "path_bytes.h"

namespace {

struct PathBytesCase {
    const char* name;
    std::wstring path;
    // The short form the file system gives, if any.
    std::optional<std::wstring> shortForm;
    std::optional<std::string> expected;
    bool shortFormAsked;
};

TEST(PathBytesOf, TheAnsiTextWhereExactElseTheShortFormElseNothing) {
    FakePathBytes port;
    // Code page 932: 曲 is 8B C8, é is not there.
    port.codePage = {{L'曲', "\x8b\xc8"}};
    const PathBytesCase cases[] = {
        {"plain ASCII", L"C:\\Music\\song.mp3", std::nullopt, "C:\\Music\\song.mp3", false},
        {"in the code page", L"C:\\Music\\曲.mp3", L"C:\\Music\\B28B~1.MP3",
         "C:\\Music\\\x8b\xc8.mp3", false},
        {"needs its short form", L"C:\\Zoë Łoś\\Zoë Łoś.mp3", L"C:\\ZO~1\\ZO~1.MP3",
         "C:\\ZO~1\\ZO~1.MP3", true},
        // A volume that keeps no short names gives no short form, or gives
        // the long name back.
        {"no short form", L"D:\\Zoë Łoś.mp3", std::nullopt, std::nullopt, true},
        {"long name back", L"D:\\Łoś.mp3", L"D:\\Łoś.mp3", std::nullopt, true},
        {"empty short form", L"D:\\Łoś.mp3", L"", std::nullopt, true},
        // A short name may keep a character that the code page holds.
        {"short form in the code page", L"C:\\曲 and Łoś.mp3", L"C:\\曲AND~1.MP3",
         "C:\\\x8b\xc8"
         "AND~1.MP3",
         true},
        {"empty path", L"", std::nullopt, "", false},
    };
    for (const PathBytesCase& c : cases) {
        port.shortForms.clear();
        port.shortFormsAsked.clear();
        if (c.shortForm) {
            port.shortForms[c.path] = *c.shortForm;
        }
        EXPECT_EQ(PathBytesOf(port, c.path), c.expected) << c.name;
        EXPECT_EQ(port.shortFormsAsked.size(), c.shortFormAsked ? 1u : 0u) << c.name;
        // Where there is no byte form, the fallback names no file.
        const std::string unusable = PathBytesOrUnusable(port, c.path);
        if (c.expected) {
            EXPECT_EQ(unusable, *c.expected) << c.name;
        } else {
            EXPECT_NE(unusable.find('?'), std::string::npos) << c.name;
        }
    }
}

// What the settings dialog shows for what Velmora.ini keeps: the long name
// of a short form, the ANSI text read back, and bytes that name nothing as
// they are.
TEST(PathNamedBy, TheLongNameOfWhatTheBytesName) {
    FakePathBytes port;
    port.codePage = {{L'曲', "\x8b\xc8"}};
    port.longForms = {{L"C:\\ZO~1\\ZO~1.MP3", L"C:\\Zoë Łoś\\Zoë Łoś.mp3"},
                      {L"C:\\Music\\曲.mp3", L"C:\\Music\\曲.mp3"},
                      {L"C:\\Music\\SONG~1.MP3", L""}};
    EXPECT_EQ(PathNamedBy(port, "C:\\ZO~1\\ZO~1.MP3"), L"C:\\Zoë Łoś\\Zoë Łoś.mp3");
    EXPECT_EQ(PathNamedBy(port, "C:\\Music\\\x8b\xc8.mp3"), L"C:\\Music\\曲.mp3");
    EXPECT_EQ(PathNamedBy(port, "C:\\Gone\\GONE~1.MP3"), L"C:\\Gone\\GONE~1.MP3");
    EXPECT_EQ(PathNamedBy(port, "C:\\Music\\SONG~1.MP3"), L"C:\\Music\\SONG~1.MP3");
    EXPECT_EQ(PathNamedBy(port, ""), L"");

    // A name kept by its short form reads back as the name it was chosen by.
    const std::wstring chosen = L"C:\\Zoë Łoś\\Zoë Łoś.mp3";
    port.shortForms = {{chosen, L"C:\\ZO~1\\ZO~1.MP3"}};
    const std::optional<std::string> kept = PathBytesOf(port, chosen);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(PathNamedBy(port, *kept), chosen);
}

}  // namespace
