#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dialog_layout.h"
#include "fake_settings_dialog_port.h"
#include "gradient.h"
#include "maker.h"
#include "repeat_track.h"
#include "texts.h"
#include "torvi_p.h"

namespace {

using Strings = std::vector<std::string>;

const char kFolder[] = "C:\\Saver";
const char kIni[] = "C:\\Saver\\Velmora.ini";
const wchar_t kPage[] = L"C:\\Saver\\Readme.txt";
// The music's three keys and the monitors', then the painting's seven.
constexpr std::size_t kAllWrites = 11;

struct Dialog {
    explicit Dialog(std::int16_t kind, std::int16_t track = 0, std::string file = "") {
        state.programFolder = kFolder;
        state.programFolderPath = L"C:\\Saver";
        // Code page 932: ソ is 83 5C, フ 83 74, ト 83 67.
        port.pathBytesPort.codePage = {
            {L'ソ', "\x83\x5c"}, {L'フ', "\x83\x74"}, {L'ト', "\x83\x67"}};
        state.settings.BGM_Kind = kind;
        state.settings.BGM_RepeatTrack = track;
        state.settings.BGM_File = std::move(file);
    }

    // The calls made since the last look.
    Strings calls() {
        Strings made(port.log.begin() + static_cast<std::ptrdiff_t>(seen), port.log.end());
        seen = port.log.size();
        return made;
    }

    FakeSettingsDialogPort port;
    FrontEndState state;
    Torvi_P dialog{port, state, kPage};
    std::size_t seen = 0;
};

TEST(SettingsDialog, LoadSetsTheControlsFromTheSettingsForEveryKind) {
    struct Case {
        std::int16_t kind;
        int selected;  // -1: no mark
        bool repeatEnabled;
        bool fileButtonEnabled;
    };
    const Case cases[] = {
        {0, 0, false, false},  {1, 1, true, false},    {2, 2, false, true},
        {7, -1, false, false}, {-1, -1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        Dialog d(c.kind, 0, "C:\\Music\\a.mp3");
        d.dialog.Load();
        for (int kind = 0; kind < 3; ++kind) {
            const KindMark expected =
                kind == c.selected ? KindMark::kSelected : KindMark::kUnselected;
            EXPECT_EQ(d.port.marks[static_cast<std::size_t>(kind)], expected) << "Img_BGM " << kind;
        }
        EXPECT_EQ(d.port.repeatEnabled, c.repeatEnabled);
        EXPECT_EQ(d.port.fileButtonEnabled, c.fileButtonEnabled);
        EXPECT_EQ(d.state.settings.BGM_Kind, c.kind) << "loading changes no setting";
        EXPECT_EQ(d.port.fileCaption, "C:\\Music\\a.mp3");
        EXPECT_EQ(d.port.repeatTextValue, "") << "track 0";
    }
    EXPECT_EQ(RepeatTrackText(-3), "-3");
    EXPECT_EQ(RepeatTrackText(45), "45");
}

TEST(SettingsDialog, LoadRunsItsStepsInOrder) {
    Dialog d(1, 3, "C:\\Music\\a.mp3");
    d.port.cursor = ScreenPoint{100, 200};
    d.dialog.Load();
    Strings expected = {
        "screenSize",
        "windowSize",
        "Move 5962,3705",
        "Initialize Cmd_BGM",
        "Initialize Cmd_Etc",
        "Initialize Cmd_Set",
        "Initialize Cmd_Can",
        "Initialize Cmd_Page0",
        "Initialize Cmd_Page1",
        "Cmd_BGM disabled",
        "BGM_Repeat disabled",
        "Img_BGM(0) := Img_Ra(0)",
        "Img_BGM(1) := Img_Ra(0)",
        "Img_BGM(2) := Img_Ra(0)",
        "Img_BGM(1) := Img_Ra(1)",
        "BGM_Repeat enabled",
        "BGM_Repeat.Text := \"3\"",
    };
    expected.insert(expected.end(), 31, "AddItem");
    expected.push_back("lbl_Fname.Caption := \"C:\\Music\\a.mp3\"");
    // The painting page, from the file's painting section: every list filled,
    // then chosen and enabled, the picture shown, and the music page shown.
    for (int list = 0; list < kLookListCount; ++list) {
        expected.push_back("Look " + std::to_string(list) + " items");
    }
    expected.push_back("Look 0 := 0");
    for (int list = 1; list <= static_cast<int>(LookList::kFlows); ++list) {
        const LookSetting setting = SettingOf(static_cast<LookList>(list));
        const auto& listed = d.dialog.paintingPage().ListedValues(setting);
        const int designed = static_cast<int>(
            std::find(listed.begin(), listed.end(), rangeOf(setting).designed) - listed.begin());
        expected.push_back("Look " + std::to_string(list) + " := " + std::to_string(designed));
        expected.push_back("Look " + std::to_string(list) + " enabled");
    }
    expected.push_back("Look shown");
    expected.push_back("Page 0");
    const Strings rest = {
        "GetCursorPos",
        "GetWindowRect",
        "DrawAnimatedRects 3 (100,200,100,200) -> (397,259,882,542)",
        "Pointer default",
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(d.calls(), expected);
    EXPECT_EQ(d.state.LastApiResult, 1) << "GetCursorPos's result";

    // The list: the empty item, then 1 to 30.
    ASSERT_EQ(d.port.items.size(), 31u);
    EXPECT_EQ(d.port.items.front(), "");
    EXPECT_EQ(d.port.items[1], "1");
    EXPECT_EQ(d.port.items[12], "12");
    EXPECT_EQ(d.port.items.back(), "30");
}

TEST(SettingsDialog, CentresWithTheDifferenceRoundedAndTheQuotientCut) {
    struct Case {
        TwipSize screen, window;
        const char* move;
    };
    const Case cases[] = {
        // 1280 x 1024 pixels at 96 dpi, the window 485 x 283 pixels.
        {{19200, 15360}, {7275, 4245}, "Move 5962,3705"},
        // Fractions of a twip: the differences 10066.5 and 10067.5 round to
        // even, then divide.
        {{17066.5, 13653.5}, {7000, 3587}, "Move 5033,3355"},
        {{17067.5, 13654.5}, {7000, 3587}, "Move 5034,3356"},
        {{17067.4, 13654.6}, {7000, 3587}, "Move 5033,3356"},
        // A window larger than the screen: toward zero, not toward minus
        // infinity.
        {{7000, 3000}, {7007, 3008}, "Move -3,-2"},
    };
    for (const Case& c : cases) {
        Dialog d(0);
        d.port.screen = c.screen;
        d.port.window = c.window;
        d.dialog.Load();
        EXPECT_EQ(d.port.log.at(2), c.move);
    }
}

TEST(SettingsDialog, AFailingStepDoesNotStopTheLoad) {
    Dialog d(2, 0, "C:\\Music\\a.wav");
    d.port.failing = {"windowSize", "Initialize Cmd_Etc", "Img_BGM(0) := Img_Ra(0)",
                      "GetCursorPos"};
    d.dialog.Load();
    EXPECT_EQ(d.port.initialized,
              (std::set<std::string>{"Cmd_BGM", "Cmd_Set", "Cmd_Can", "Cmd_Page0", "Cmd_Page1"}));
    EXPECT_EQ(d.port.marks[2], KindMark::kSelected);
    EXPECT_TRUE(d.port.fileButtonEnabled);
    EXPECT_EQ(d.port.items.size(), 31u);
    EXPECT_EQ(d.port.log.back(), "Pointer default");
    for (const std::string& call : d.port.log) {
        EXPECT_NE(call.rfind("Move", 0), 0u) << "no move without the window's size";
    }
}

TEST(SettingsDialog, SelectKindMovesTheMarkAndTheEnabledControlsAndCancelWritesNothing) {
    Dialog d(0);
    d.dialog.Load();
    d.calls();

    d.dialog.SelectKind(1);
    EXPECT_EQ(d.state.settings.BGM_Kind, 1);
    EXPECT_EQ(d.calls(),
              (Strings{"Cmd_BGM disabled", "BGM_Repeat disabled", "Img_BGM(0) := Img_Ra(0)",
                       "Img_BGM(1) := Img_Ra(0)", "Img_BGM(2) := Img_Ra(0)",
                       "Img_BGM(1) := Img_Ra(1)", "BGM_Repeat enabled"}));

    d.dialog.SelectKind(2);
    EXPECT_EQ(d.state.settings.BGM_Kind, 2);
    EXPECT_FALSE(d.port.repeatEnabled);
    EXPECT_TRUE(d.port.fileButtonEnabled);
    EXPECT_EQ(d.port.marks[1], KindMark::kUnselected);
    EXPECT_EQ(d.port.marks[2], KindMark::kSelected);

    d.dialog.SelectKind(0);
    EXPECT_EQ(d.state.settings.BGM_Kind, 0);
    EXPECT_FALSE(d.port.repeatEnabled);
    EXPECT_FALSE(d.port.fileButtonEnabled);
    EXPECT_EQ(d.port.marks[0], KindMark::kSelected);
    EXPECT_EQ(d.port.marks[2], KindMark::kUnselected);

    // Cancel after the changes: closed, nothing written.
    d.calls();
    d.dialog.Cmd_Can_Click();
    EXPECT_EQ(d.calls(), Strings{"Close"});
    EXPECT_TRUE(d.port.profilePort.writes.empty());
}

TEST(SettingsDialog, TheFileChoiceAsksWithTheFilterAndKeepsEverythingWhenCancelled) {
    Dialog d(2, 0, "C:\\Music\\old.mp3");
    d.dialog.Load();
    d.calls();

    d.port.openResult = 0;
    d.port.chosenFile = L"C:\\Music\\ignored.mp3";
    d.dialog.Cmd_BGM_Click();
    EXPECT_EQ(d.calls(), (Strings{"GetOpenFileNameW", "CommDlgExtendedError"}));
    EXPECT_EQ(d.state.settings.BGM_File, "C:\\Music\\old.mp3");
    EXPECT_EQ(d.port.fileCaption, "C:\\Music\\old.mp3");
    EXPECT_EQ(d.state.LastApiResult, 0);

    ASSERT_TRUE(d.port.openRequest);
    const OpenFileRequest& request = *d.port.openRequest;
    EXPECT_EQ(request.filter, std::string("BGM\xcc\xa7\xb2\xd9 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31));
    EXPECT_EQ(request.title, kOpenFileTitle);
    EXPECT_EQ(request.fileBufferSize, 260u) << "MAX_PATH";
    EXPECT_EQ(request.fileTitleBufferSize, 260u);
    EXPECT_EQ(request.flags, 0x1000u | 0x800u | 0x4u)
        << "OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY";

    d.port.openResult = 1;
    d.port.chosenFile = L"C:\\ソフト\\new.wav";
    d.dialog.Cmd_BGM_Click();
    EXPECT_EQ(d.state.settings.BGM_File, "C:\\\x83\x5c\x83\x74\x83\x67\\new.wav");
    EXPECT_EQ(d.port.fileCaption, "C:\\ソフト\\new.wav");
    EXPECT_EQ(d.state.settings.BGM_Kind, 2) << "the kind stays";
    EXPECT_EQ(d.state.LastApiResult, 1);
    EXPECT_TRUE(d.port.profilePort.writes.empty());
}

TEST(SettingsDialog, APathTooLongToKeepIsSaidAndChangesNothing) {
    const std::string longest = "C:\\" + std::string(252, 'a');  // 255 bytes
    const std::string tooLong = longest + "b";
    // The open-file dialog takes up to 259 characters; their short form may
    // fit where they do not.
    const std::string longestChosen = "C:\\" + std::string(256, 'c');  // 259 bytes
    const std::string shortForm = "C:\\CCCCCC~1";
    const std::string old = "C:\\Music\\old.mp3";
    struct Case {
        std::int32_t result;
        std::uint32_t error;
        std::string chosen;
        std::string shortForm;  // empty: none
        Strings calls;
        std::string kept;
    };
    const Case cases[] = {
        {0,
         0x3003,
         "",
         "",
         {"GetOpenFileNameW", "CommDlgExtendedError",
          std::string("MessageBox ") + kChosenPathTooLong},
         old},
        {1,
         0,
         tooLong,
         "",
         {"GetOpenFileNameW", std::string("MessageBox ") + kChosenPathTooLong + " | " + tooLong},
         old},
        // A short form as long as the path is no better.
        {1,
         0,
         tooLong,
         tooLong,
         {"GetOpenFileNameW", std::string("MessageBox ") + kChosenPathTooLong + " | " + tooLong},
         old},
        {0, 0x3002, "", "", {"GetOpenFileNameW", "CommDlgExtendedError"}, old},  // another failure
        {1,
         0,
         longest,
         "",
         {"GetOpenFileNameW", "lbl_Fname.Caption := \"" + longest + "\""},
         longest},
        {1,
         0,
         longestChosen,
         shortForm,
         {"GetOpenFileNameW", "lbl_Fname.Caption := \"" + longestChosen + "\""},
         shortForm},
    };
    for (const Case& c : cases) {
        Dialog d(2, 0, old);
        d.dialog.Load();
        d.calls();
        d.port.openResult = c.result;
        d.port.openError = c.error;
        const std::wstring chosen(c.chosen.begin(), c.chosen.end());
        d.port.chosenFile = chosen;
        if (!c.shortForm.empty()) {
            d.port.pathBytesPort.shortForms[chosen] =
                std::wstring(c.shortForm.begin(), c.shortForm.end());
        }
        d.dialog.Cmd_BGM_Click();
        EXPECT_EQ(d.calls(), c.calls) << c.chosen.size() << " bytes, error " << c.error;
        EXPECT_EQ(d.state.settings.BGM_File, c.kept) << c.chosen.size() << " bytes";
    }
}

// The chosen name goes into the settings by the path rule and is shown by
// the name the user chose; a name with no byte form is refused in the
// dialog's language and the old choice stays.
TEST(SettingsDialog, TheChoiceIsKeptByItsBytesAndShownByItsLongName) {
    const std::wstring chosen = L"C:\\Zoë Łoś\\Zoë Łoś.mp3";
    struct Case {
        ScreenLanguage language;
        bool hasShortForm;
        std::string kept;
        Strings calls;
    };
    const Case cases[] = {
        {ScreenLanguage::kJapanese,
         true,
         "C:\\ZO~1\\ZO~1.MP3",
         {"GetOpenFileNameW", "lbl_Fname.Caption := \"" + Utf8(chosen) + "\""}},
        {ScreenLanguage::kJapanese,
         false,
         "C:\\Music\\old.mp3",
         {"GetOpenFileNameW",
          std::string("MessageBox ") + kChosenPathUnkept + " | " + Utf8(chosen)}},
        {ScreenLanguage::kEnglish,
         false,
         "C:\\Music\\old.mp3",
         {"GetOpenFileNameW", std::string("MessageBox ") + kEnglishScreenTexts.chosenPathUnkept +
                                  " | " + Utf8(chosen)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kept);
        Dialog d(2, 0, "C:\\Music\\old.mp3");
        d.state.language = c.language;
        if (c.hasShortForm) {
            d.port.pathBytesPort.shortForms = {{chosen, L"C:\\ZO~1\\ZO~1.MP3"}};
        }
        d.dialog.Load();
        d.calls();
        d.port.openResult = 1;
        d.port.chosenFile = chosen;
        d.dialog.Cmd_BGM_Click();
        EXPECT_EQ(d.calls(), c.calls);
        EXPECT_EQ(d.state.settings.BGM_File, c.kept);
        EXPECT_EQ(d.port.fileCaption, c.hasShortForm ? Utf8(chosen) : "C:\\Music\\old.mp3");
        const OpenFileRequest& request = *d.port.openRequest;
        const ScreenTexts& texts = ScreenTextsIn(c.language);
        EXPECT_EQ(request.title, texts.openFileTitle);
        EXPECT_EQ(request.filter,
                  std::string(texts.musicFileFilterName) + '\0' + "*.MP3;*.WAV" + '\0' + '\0');
    }
    EXPECT_EQ(std::string(kEnglishScreenTexts.openFileTitle), "Open");
    EXPECT_EQ(std::string(kEnglishScreenTexts.musicFileFilterName), "Music files (MP3 WAV)");

    // The next start shows a file kept by its short name under its long one.
    Dialog next(2, 0, "C:\\ZO~1\\ZO~1.MP3");
    next.port.pathBytesPort.longForms = {{L"C:\\ZO~1\\ZO~1.MP3", chosen}};
    next.dialog.Load();
    EXPECT_EQ(next.port.fileCaption, Utf8(chosen));
    EXPECT_EQ(next.state.settings.BGM_File, "C:\\ZO~1\\ZO~1.MP3");
}

TEST(SettingsDialog, ASaveThatFailsSaysWhereAndStaysOpenWithTheChoice) {
    // The music's three writes, the monitors', and a painting key's.
    for (const std::size_t failing : {1u, 2u, 3u, 4u, 7u}) {
        SCOPED_TRACE("write " + std::to_string(failing) + " fails");
        Dialog d(1, 5, "C:\\Music\\kept.mp3");
        d.dialog.Load();
        d.dialog.SelectKind(2);
        d.calls();
        d.port.repeatTextValue = "7";
        d.port.profilePort.failingWrites = {failing};
        d.dialog.Cmd_Set_Click();
        const auto& writes = d.port.profilePort.writes;
        ASSERT_EQ(writes.size(), kAllWrites) << "all are written, in order, as ever";
        EXPECT_EQ(writes[0].key, kKeyKind);
        EXPECT_EQ(writes[2].key, kKeyFile);
        EXPECT_EQ(writes.back().key, "RandomPreset");
        EXPECT_EQ(d.port.log.back(), std::string("MessageBox ") + kSaveFailed + " | " + kIni);
        EXPECT_EQ(std::count(d.port.log.begin(), d.port.log.end(), "Close"), 0);
        EXPECT_EQ(d.state.settings.BGM_Kind, 2) << "the choice stays";
        EXPECT_EQ(d.port.marks[2], KindMark::kSelected);

        // Once the cause is gone, Set saves and closes.
        d.port.profilePort.failingWrites.clear();
        d.dialog.Cmd_Set_Click();
        EXPECT_EQ(writes.size(), 2 * kAllWrites);
        EXPECT_EQ(writes[kAllWrites].value, " 2");
        EXPECT_EQ(writes[kAllWrites + 1].value, " 7");
        EXPECT_EQ(d.port.log.back(), "Close");
    }
}

TEST(SettingsDialog, SaveWritesTheThreeMusicKeysInOrderThenTheLookThenCloses) {
    struct Case {
        const char* text;
        const char* written;
        std::int16_t track;
    };
    const Case cases[] = {
        {"12", " 12", 12},
        {"3.5", " 4", 4},
        {"2.5", " 2", 2},
        {"x", " 0", 0},
        {"", " 0", 0},
        {"99999", " 0", 0},
        {"-40000", " 0", 0},
        {" 7 ", " 7", 7},
        {"-3", "-3", -3},
        {"1e1", " 10", 10},
        {"32767.5", " 0", 0},
        {"-32768.5", "-32768", -32768},
        {"12abc", " 0", 0},
        {".", " 0", 0},
        {"0.5", " 0", 0},
        {"1.5", " 2", 2},
        // Full-width, as a Japanese input method types them: １２, ３．５,
        // －３, and １２ followed by the kanji 曲.
        {"\x82\x50\x82\x51", " 12", 12},
        {"\x82\x52\x81\x44\x82\x54", " 4", 4},
        {"\x81\x7c\x82\x52", "-3", -3},
        {"\x82\x50\x82\x51\x8b\xc8", " 0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        Dialog d(1, 5, "C:\\Music\\kept.mp3");
        d.dialog.Load();
        d.calls();
        d.port.repeatTextValue = c.text;
        d.dialog.Cmd_Set_Click();

        const auto& writes = d.port.profilePort.writes;
        ASSERT_EQ(writes.size(), kAllWrites);
        EXPECT_EQ(writes[0].key, kKeyKind);
        EXPECT_EQ(writes[0].value, " 1");
        EXPECT_EQ(writes[1].key, kKeyRepeatTrack);
        EXPECT_EQ(writes[1].value, c.written);
        EXPECT_EQ(writes[2].key, kKeyFile);
        EXPECT_EQ(writes[2].value, "C:\\Music\\kept.mp3") << "the file is written under kind 1 too";
        EXPECT_EQ(writes[3].key, kKeyMonitors);
        EXPECT_EQ(writes[3].value, " 0") << "a file without the key: every monitor";
        for (std::size_t i = 0; i < writes.size(); ++i) {
            EXPECT_EQ(writes[i].section, i < 4 ? "Section" : "Painting");
            EXPECT_EQ(writes[i].file, kIni);
        }
        EXPECT_EQ(d.state.settings.BGM_RepeatTrack, c.track);
        EXPECT_EQ(d.port.log.back(), "Close");
    }

    // A kind from a hand-edited file and no file are written as they are.
    Dialog odd(7, 0, "");
    odd.dialog.Load();
    odd.dialog.Cmd_Set_Click();
    const auto& writes = odd.port.profilePort.writes;
    ASSERT_EQ(writes.size(), kAllWrites);
    EXPECT_EQ(writes[0].value, " 7");
    EXPECT_EQ(writes[1].value, " 0");
    EXPECT_EQ(writes[2].value, "");
}

TEST(SettingsDialog, TheZoomsUseTheCursorSavedAtLoading) {
    Dialog d(0);
    d.port.cursor = ScreenPoint{30, 40};
    d.dialog.Load();
    EXPECT_EQ(d.dialog.SavedCursorX(), 30);
    EXPECT_EQ(d.dialog.SavedCursorY(), 40);
    d.calls();

    // The cursor has moved since and the window with it.
    d.port.cursor = ScreenPoint{900, 700};
    d.port.windowRect = {10, 20, 495, 303};
    d.dialog.Unload();
    EXPECT_EQ(d.calls(),
              (Strings{"GetWindowRect", "DrawAnimatedRects 3 (10,20,495,303) -> (30,40,30,40)"}));

    // No cursor position to be had: the screen's origin.
    Dialog lost(0);
    lost.port.cursor.reset();
    lost.dialog.Load();
    lost.dialog.Unload();
    EXPECT_EQ(lost.port.log.back(), "DrawAnimatedRects 3 (397,259,882,542) -> (0,0,0,0)");
    EXPECT_EQ(lost.state.LastApiResult, 0);
}

TEST(SettingsDialog, TheMakersPageOpensUnderTheHourglass) {
    Dialog d(0);
    d.dialog.Cmd_Etc_Click();
    EXPECT_EQ(d.calls(),
              (Strings{"Pointer hourglass", "ShellExecuteW open \"C:\\Saver\\Readme.txt\" 1",
                       "Pointer default"}));

    d.port.failing = {"ShellExecuteW open \"C:\\Saver\\Readme.txt\" 1"};
    d.dialog.Cmd_Etc_Click();
    EXPECT_EQ(d.port.log.back(), "Pointer default") << "the arrow comes back after a failure";

    EXPECT_EQ(MakersPageAddress("", L"C:\\Saver"), L"C:\\Saver\\Readme.txt");
    EXPECT_EQ(MakersPageAddress("", L"D:\\"), L"D:\\\\Readme.txt");
    EXPECT_EQ(MakersPageAddress("", L"C:\\Velmora Łódź"), L"C:\\Velmora Łódź\\Readme.txt");
    EXPECT_EQ(MakersPageAddress("https://example.org/velmora", L"C:\\Saver"),
              L"https://example.org/velmora");
    for (const ScreenTexts* texts : {&kJapaneseScreenTexts, &kEnglishScreenTexts}) {
        EXPECT_EQ(DesignedByText(texts->makerLine, "The Velmora developers", "1.0.0"),
                  "Designed by The Velmora developers Ver.1.0.0");
    }
    EXPECT_EQ(DesignedByText(kEnglishScreenTexts.makerLine, "{version} makers", "2"),
              "Designed by {version} makers Ver.2");
}

// A surface that keeps the colour of each row it was given.
class RowSurface : public GradientSurface {
  public:
    RowSurface(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}
    std::int32_t innerWidth() override { return width_; }
    std::int32_t innerHeight() override { return height_; }
    void drawRow(std::int32_t y, std::int32_t width, std::uint32_t colour) override {
        EXPECT_EQ(y, static_cast<std::int32_t>(rows.size())) << "rows from the top, one each";
        EXPECT_EQ(width, width_);
        rows.push_back(colour);
    }
    std::vector<std::uint32_t> rows;

  private:
    std::int32_t width_, height_;
};

std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | g << 8 | b << 16);
}

TEST(SettingsDialog, PaintGradientShadesEveryRowByTheFormula) {
    for (const std::int32_t height : {252, 169, 378, 254, 7, 1}) {
        SCOPED_TRACE("height " + std::to_string(height));
        RowSurface dialog(479, height), panel(453, height);
        PaintGradient(dialog, GradientTarget::kDialog);
        PaintGradient(panel, GradientTarget::kPanel);
        ASSERT_EQ(dialog.rows.size(), static_cast<std::size_t>(height) + 1);
        ASSERT_EQ(panel.rows.size(), static_cast<std::size_t>(height) + 1);
        const double k = height / 3.142;
        for (std::int32_t y = 0; y <= height; ++y) {
            // The default rounding mode rounds halves to even.
            const int v = static_cast<int>(std::nearbyint(std::fabs(std::sin(y / k)) * 220));
            EXPECT_EQ(dialog.rows[static_cast<std::size_t>(y)], Rgb(v, v, v + 30)) << "row " << y;
            EXPECT_EQ(panel.rows[static_cast<std::size_t>(y)], Rgb(v + 30, v + 30, v + 30))
                << "row " << y;
        }
    }
    // Dark at the top, brightest in the middle.
    RowSurface dialog(479, 252);
    PaintGradient(dialog, GradientTarget::kDialog);
    EXPECT_EQ(dialog.rows.front(), Rgb(0, 0, 30));
    EXPECT_EQ(dialog.rows[126], Rgb(220, 220, 250));

    RowSurface none(479, 0);
    PaintGradient(none, GradientTarget::kPanel);
    EXPECT_TRUE(none.rows.empty());
}

TEST(SettingsDialogLayout, ClientAreaAndControlsInPixels) {
    namespace layout = dialog_layout;
    const layout::Place client{0, 0, layout::kClientWidth, layout::kClientHeight};
    const layout::PixelPlace at96 = layout::Pixels(client, 96);
    EXPECT_EQ(at96.width, 479);
    EXPECT_EQ(at96.height, 252);
    const layout::PixelPlace at144 = layout::Pixels(client, 144);
    EXPECT_EQ(at144.width, 719);
    EXPECT_EQ(at144.height, 378);

    const layout::PixelPlace panel = layout::Pixels(layout::Pic_C, 96);
    EXPECT_EQ(panel.left, 12);
    EXPECT_EQ(panel.top, 16);
    EXPECT_EQ(panel.width, 453);
    EXPECT_EQ(panel.height, 169);
    const layout::PixelPlace set = layout::Pixels(layout::Cmd_Set, 144);
    EXPECT_EQ(set.left, 480);
    EXPECT_EQ(set.width, 110);  // 109.5, half away from zero
    EXPECT_EQ(layout::Pixels(-15, 96), -1);
    EXPECT_EQ(layout::Pixels(-1005, 144), -101);  // -100.5

    EXPECT_EQ(layout::FontPixelHeight(9.75, 96), 13);
    EXPECT_EQ(layout::FontPixelHeight(9.75, 144), 20);  // 19.5
    EXPECT_EQ(layout::FontPixelHeight(9.75, 120), 16);  // 16.25
}

}  // namespace
