#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "fake_startup_platform.h"
#include "startup.h"
#include "texts.h"

namespace {

const std::string kRenderer = "C:\\Savers\\Velmora.dll";
// The renderer is asked for by its wide path.
const std::string kRendererAsked = "W " + kRenderer;
const std::string kIni = "C:\\Savers\\Velmora.ini";

class MainTest : public ::testing::Test {
  protected:
    MainTest() {
        platform.filesPort.readable = {kRenderer};
        platform.previewPort.host = 1234;
        platform.previewPort.hostRect = WindowRect{100, 50, 252, 162};
    }

    AfterMain run(const std::string& commandLine) {
        platform.forgetCalls();
        platform.commandLineText = commandLine;
        state = FrontEndState{};
        return Main(platform, state);
    }

    // What happened after the two window searches.
    std::vector<std::string> afterInstanceCheck() const {
        return std::vector<std::string>(platform.log.begin() + 2, platform.log.end());
    }

    FakeStartupPlatform platform;
    FrontEndState state;
};

TEST_F(MainTest, AnotherRunOrOpenDialogEndsEveryStartSilently) {
    for (const char* title : {"Torvi_Main", "<Velmora>"}) {
        for (const char* commandLine : {"/s", "", "/c", "/p 1234", "/a 1234"}) {
            platform = FakeStartupPlatform();
            platform.windows = {title};
            platform.previewPort.host = 1234;
            platform.previewPort.hostRect = WindowRect{0, 0, 152, 112};
            platform.commandLineText = commandLine;
            state = FrontEndState{};
            EXPECT_EQ(Main(platform, state), AfterMain::kEnd);
            // Both searches are always made, and nothing else happens.
            EXPECT_EQ(platform.log,
                      (std::vector<std::string>{"FindWindow Torvi_Main", "FindWindow <Velmora>"}))
                << title << " " << commandLine;
            EXPECT_TRUE(platform.previewPort.calls.empty());
            EXPECT_TRUE(platform.profilePort.reads.empty());
            EXPECT_TRUE(platform.filesPort.asked.empty());
        }
    }
}

TEST_F(MainTest, PreviewNeedsNeitherSettingsNorRenderer) {
    platform.filesPort.readable.clear();
    for (const char* commandLine : {"/p 1234", "/p:1234", "-P 1234"}) {
        EXPECT_EQ(run(commandLine), AfterMain::kRunMessageLoop) << commandLine;
        EXPECT_TRUE(afterInstanceCheck().empty()) << commandLine;
        EXPECT_TRUE(platform.profilePort.reads.empty());
        EXPECT_TRUE(platform.filesPort.asked.empty());
        EXPECT_TRUE(platform.messages.empty());
        ASSERT_FALSE(platform.previewPort.calls.empty());
        EXPECT_EQ(platform.previewPort.calls.front(), "GetWindowRect 1234");
        EXPECT_EQ(platform.previewPort.calls.back(), "Show");
    }
}

TEST_F(MainTest, APreviewOfNoWindowEndsAtOnce) {
    for (const char* commandLine : {"/p 0", "/p", "/p 999", "/p x"}) {
        EXPECT_EQ(run(commandLine), AfterMain::kEnd) << commandLine;
        EXPECT_EQ(platform.previewPort.calls.size(), 1u) << "no window may be made";
    }
}

TEST_F(MainTest, SaverRunHidesTheCursorAndLoadsTheRunWindow) {
    for (const char* commandLine : {"/s", "/S", "-s"}) {
        EXPECT_EQ(run(commandLine), AfterMain::kRunMessageLoop) << commandLine;
        EXPECT_EQ(afterInstanceCheck(),
                  (std::vector<std::string>{"ClaimSaverRun", "ShowCursor FALSE", "SaverRun"}));
        EXPECT_EQ(state.SavedCursorCount, -1);
        // The run sees the count already saved.
        EXPECT_EQ(platform.cursorAtRun, std::optional<std::int32_t>(-1));
        EXPECT_EQ(platform.filesPort.asked, std::vector<std::string>{kRendererAsked});
        EXPECT_EQ(platform.profilePort.reads.size(), 3u);
        EXPECT_EQ(platform.profilePort.reads[0].file, kIni);
        EXPECT_EQ(state.programFolder, "C:\\Savers");
        EXPECT_EQ(state.programFolderPath, L"C:\\Savers");
        EXPECT_EQ(state.commandLine, commandLine);
    }
    platform.saverRunLoads = false;
    EXPECT_EQ(run("/s"), AfterMain::kEnd);
}

TEST_F(MainTest, EmptyCommandLineRunsWithoutTouchingTheCursor) {
    EXPECT_EQ(run(""), AfterMain::kRunMessageLoop);
    EXPECT_EQ(afterInstanceCheck(), (std::vector<std::string>{"ClaimSaverRun", "SaverRun"}));
    EXPECT_EQ(state.SavedCursorCount, std::nullopt);
}

// Two runs started together both find no run window yet; the one that comes
// second finds the run claimed and ends before it reads anything.
TEST_F(MainTest, ARunAlreadyClaimedEndsTheSecondRunSilently) {
    platform.saverRunClaimed = true;
    for (const char* commandLine : {"/s", ""}) {
        EXPECT_EQ(run(commandLine), AfterMain::kEnd) << commandLine;
        EXPECT_EQ(afterInstanceCheck(), std::vector<std::string>{"ClaimSaverRun"});
        EXPECT_TRUE(platform.profilePort.reads.empty());
        EXPECT_TRUE(platform.filesPort.asked.empty());
        EXPECT_EQ(state.SavedCursorCount, std::nullopt);
    }
    // The dialog, the preview and the other modes claim nothing.
    EXPECT_EQ(run("/c"), AfterMain::kEnd);
    EXPECT_EQ(afterInstanceCheck(), std::vector<std::string>{"Dialog"});
    EXPECT_EQ(run("/p 1234"), AfterMain::kRunMessageLoop);
    EXPECT_TRUE(afterInstanceCheck().empty());
    EXPECT_EQ(run("/a 1234"), AfterMain::kEnd);
    EXPECT_TRUE(afterInstanceCheck().empty());
}

TEST_F(MainTest, ConfigurationShowsTheDialogOverTheSettingsThenEnds) {
    platform.profilePort.set(kIni, "Section", kKeyKind, " 1");
    platform.profilePort.set(kIni, "Section", kKeyRepeatTrack, " 4");
    for (const char* commandLine : {"/c", "/c:5678", "/C"}) {
        EXPECT_EQ(run(commandLine), AfterMain::kEnd) << commandLine;
        EXPECT_EQ(afterInstanceCheck(), std::vector<std::string>{"Dialog"});
        ASSERT_TRUE(platform.settingsAtDialog.has_value());
        EXPECT_EQ(platform.settingsAtDialog->BGM_Kind, 1);
        EXPECT_EQ(platform.settingsAtDialog->BGM_RepeatTrack, 4);
    }
}

TEST_F(MainTest, AnyOtherModeEndsAfterTheChecks) {
    for (const char* commandLine : {"/a 1234", "/x", "/", "s"}) {
        EXPECT_EQ(run(commandLine), AfterMain::kEnd) << commandLine;
        EXPECT_TRUE(afterInstanceCheck().empty()) << commandLine;
        EXPECT_EQ(platform.profilePort.reads.size(), 3u);
        EXPECT_EQ(platform.filesPort.asked, std::vector<std::string>{kRendererAsked});
    }
}

TEST_F(MainTest, AMissingRendererIsTheOneMessageInTheUsersLanguage) {
    platform.filesPort.readable.clear();
    const std::string english = "Velmora.dll was not found in the same folder as Velmora.scr.";
    // Windows language ids: the primary language (low ten bits) decides.
    const struct {
        std::uint16_t language;
        std::string text;
    } cases[] = {
        {0x0411, kMissingRenderer},  // Japanese (Japan)
        {0x0011, kMissingRenderer},  // Japanese, no region
        {0x0409, english},           // English (United States)
        {0x0415, english},           // Polish
        {0x0804, english},           // Chinese (Simplified)
        {0x0412, english},           // Korean
    };
    for (const auto& c : cases) {
        platform.language = c.language;
        for (const char* commandLine : {"/s", "", "/c", "/a 1234"}) {
            EXPECT_EQ(run(commandLine), AfterMain::kEnd) << commandLine;
            const bool saverRun = commandLine[0] == '\0' || commandLine[1] == 's';
            const std::vector<std::string> expected =
                saverRun ? std::vector<std::string>{"ClaimSaverRun", "MessageBox"}
                         : std::vector<std::string>{"MessageBox"};
            EXPECT_EQ(afterInstanceCheck(), expected) << commandLine;
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0].text, c.text) << std::hex << c.language;
            // The caption is the application's title in every language.
            EXPECT_EQ(platform.messages[0].caption, "Velmora (ScreenSaver)");
            // The settings were read first.
            EXPECT_EQ(platform.profilePort.reads.size(), 3u);
        }
    }
}

TEST_F(MainTest, AtADriveRootTheRendererPathHasTwoBackslashes) {
    platform.path = L"D:\\Velmora.scr";
    platform.filesPort.readable = {"D:\\\\Velmora.dll"};
    EXPECT_EQ(run("/s"), AfterMain::kRunMessageLoop);
    EXPECT_EQ(platform.filesPort.asked, std::vector<std::string>{"W D:\\\\Velmora.dll"});
    EXPECT_EQ(platform.profilePort.reads[0].file, "D:\\\\Velmora.ini");
}

// The folder's own name finds the renderer; the settings file is opened by
// the bytes that the profile functions take: the ANSI text where it says
// exactly the same, else the short form, else a path that names no file.
TEST_F(MainTest, AFolderNamedInAnyScriptFindsTheRendererAndItsSettings) {
    const std::wstring folder = L"C:\\Velmora Łódź";
    platform.path = folder + L"\\Velmora.scr";
    platform.filesPort.readable = {"C:\\Velmora Łódź\\Velmora.dll"};
    const struct {
        const char* name;
        std::map<wchar_t, std::string> codePage;
        std::optional<std::wstring> shortForm;
        std::string settingsFolder;
    } cases[] = {
        // Code page 1250 holds every letter of the name.
        {"in the code page",
         {{L'Ł', "\xa3"}, {L'ó', "\xf3"}, {L'ź', "\x9f"}},
         std::nullopt,
         "C:\\Velmora \xa3\xf3"
         "d\x9f"},
        {"short form", {}, L"C:\\VELMOR~1", "C:\\VELMOR~1"},
        {"no byte form",
         {{L'ó', "\xf3"}},
         std::nullopt,
         "C:\\Velmora ?\xf3"
         "d?"},
    };
    for (const auto& c : cases) {
        platform.pathBytesPort.codePage = c.codePage;
        platform.pathBytesPort.shortForms.clear();
        if (c.shortForm) {
            platform.pathBytesPort.shortForms[folder] = *c.shortForm;
        }
        EXPECT_EQ(run("/s"), AfterMain::kRunMessageLoop) << c.name;
        EXPECT_EQ(state.programFolderPath, folder) << c.name;
        EXPECT_EQ(state.programFolder, c.settingsFolder) << c.name;
        EXPECT_EQ(platform.filesPort.asked,
                  std::vector<std::string>{"W C:\\Velmora Łódź\\Velmora.dll"})
            << c.name;
        ASSERT_EQ(platform.profilePort.reads.size(), 3u) << c.name;
        EXPECT_EQ(platform.profilePort.reads[0].file, c.settingsFolder + "\\Velmora.ini") << c.name;
        EXPECT_EQ(afterInstanceCheck(),
                  (std::vector<std::string>{"ClaimSaverRun", "ShowCursor FALSE", "SaverRun"}));
    }
}

}  // namespace
