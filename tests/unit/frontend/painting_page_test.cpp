#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_settings_dialog_port.h"
#include "painting_keys.h"
#include "settings_file.h"
#include "texts.h"
#include "torvi_p.h"

namespace {

const char kIni[] = "C:\\Saver\\Velmora.ini";

// The dialog with Velmora.ini's painting section holding `keys`.
struct Dialog {
    explicit Dialog(std::vector<std::pair<const char*, const char*>> keys = {}) {
        state.programFolder = "C:\\Saver";
        state.programFolderPath = L"C:\\Saver";
        for (const auto& [key, value] : keys) {
            port.profilePort.set(kIni, "Painting", key, value);
        }
        dialog.Load();
    }

    std::string look() const {
        std::string shown;
        for (int list = 0; list <= static_cast<int>(LookList::kFlows); ++list) {
            shown += (list == 0 ? "" : "|") + port.lookText(static_cast<LookList>(list));
        }
        return shown + (port.lookEnabled[1] ? "" : "|greyed");
    }

    // The key=value lines of the painting's section that Set wrote.
    std::string written() const {
        std::string lines;
        for (const auto& write : port.profilePort.writes) {
            if (write.section == "Painting") {
                lines += write.key + "=" + write.value + ";";
            }
        }
        return lines;
    }

    FakeSettingsDialogPort port;
    FrontEndState state;
    Torvi_P dialog{port, state, L"C:\\Saver\\Readme.txt"};
};

int Item(const Dialog& d, LookSetting setting, int value) {
    const std::vector<int>& listed = d.dialog.paintingPage().ListedValues(setting);
    return static_cast<int>(std::find(listed.begin(), listed.end(), value) - listed.begin());
}

TEST(PaintingPage, ListsTheFilesLookAndSavesItAfterTheMusic) {
    // Without a section: the designed look, in every list's steps.
    Dialog designed;
    EXPECT_EQ(designed.look(), "Velmora|\x93_|100 %|100 %|100 %|20|3");
    EXPECT_EQ(designed.port.shownPage, DialogPage::kMusic);
    ASSERT_EQ(designed.port.shownLooks.size(), 1u);
    EXPECT_EQ(settingsText(designed.port.shownLooks[0]), settingsText(RendererSettings{}));
    EXPECT_EQ(designed.port.lookItems[2].size(), 20u) << "10 % to 200 % in tens";
    EXPECT_EQ(designed.port.lookItems[5].front(), "0") << "no trail first";
    EXPECT_EQ(designed.port.lookItems[0].back(), kPresetRandom);

    // A look that is no preset, with an amount between the steps, which
    // gets an item of its own; a key that does not read is as designed.
    Dialog own({{"DrawMode", "0"}, {"Amount", " 55"}, {"Trail", "abc"}, {"Flows", "6"}});
    EXPECT_EQ(own.look(), std::string(kPresetOwn) + "|\x8c\xf5|55 %|100 %|100 %|20|6");
    EXPECT_EQ(own.port.lookItems[2].size(), 21u);
    EXPECT_EQ(own.port.lookItems[2][5], "55 %");
    own.port.repeatTextValue = "";
    own.dialog.Cmd_Set_Click();
    EXPECT_EQ(own.written(),
              "DrawMode= 0;Amount= 55;Size= 100;Speed= 100;Trail= 20;Flows= 6;RandomPreset= 0;");
    EXPECT_EQ(own.port.profilePort.writes.front().key, kKeyKind) << "the music's keys come first";
    EXPECT_EQ(own.port.log.back(), "Close");
}

TEST(PaintingPage, APresetSetsEveryListAndAListMovedByHandMakesTheLookOwn) {
    Dialog d;
    d.port.shownLooks.clear();
    d.dialog.Cmd_Page_Click(DialogPage::kPainting);
    EXPECT_EQ(d.port.shownPage, DialogPage::kPainting);

    d.dialog.LookListChosen(LookList::kPreset, 1);
    EXPECT_EQ(d.look(), std::string(kPresetCalmLines) + "|\x90\xfc|100 %|140 %|50 %|60|3");
    ASSERT_EQ(d.port.shownLooks.size(), 1u);
    EXPECT_EQ(d.port.shownLooks.back().drawMode, kDrawLines);
    EXPECT_EQ(d.port.shownLooks.back().particleSpeed, 2);

    d.dialog.LookListChosen(LookList::kAmount, Item(d, LookSetting::kAmount, 150));
    EXPECT_EQ(d.look(), std::string(kPresetOwn) + "|\x90\xfc|150 %|140 %|50 %|60|3");
    EXPECT_EQ(d.port.shownLooks.back().emitterCount, 90) << "the picture follows";
    // Back to the preset's amount: the preset again.
    d.dialog.LookListChosen(LookList::kAmount, Item(d, LookSetting::kAmount, 100));
    EXPECT_EQ(d.port.lookText(LookList::kPreset), kPresetCalmLines);
    // "Own settings" for a look that is a preset changes nothing, and the
    // picture goes on.
    const std::size_t shown = d.port.shownLooks.size();
    d.dialog.LookListChosen(LookList::kPreset, kOwnSettingsItem);
    EXPECT_EQ(d.port.lookText(LookList::kPreset), kPresetCalmLines);
    EXPECT_EQ(d.port.shownLooks.size(), shown);
    // An item beyond the list is no choice.
    d.dialog.LookListChosen(LookList::kSize, 99);
    EXPECT_EQ(d.port.lookText(LookList::kSize), "140 %");

    d.dialog.Cmd_Set_Click();
    EXPECT_EQ(d.written(),
              "DrawMode= 2;Amount= 100;Size= 140;Speed= 50;Trail= 60;Flows= 3;RandomPreset= 0;");
}

TEST(PaintingPage, ARandomPresetGreysTheListsAndKeepsTheirLookForLater) {
    Dialog d({{"Size", "60"}, {"Trail", "20"}});
    d.dialog.LookListChosen(LookList::kPreset, kRandomPresetItem);
    EXPECT_EQ(d.look(), std::string(kPresetRandom) + "|\x93_|100 %|60 %|100 %|20|3|greyed");
    EXPECT_FALSE(d.dialog.paintingPage().SettingListsEnabled());
    EXPECT_EQ(std::count(d.port.log.begin(), d.port.log.end(), "Look 0 disabled"), 0)
        << "the preset list stays";
    // The picture shows one of the presets a run may draw.
    bool aPreset = false;
    for (const Preset& preset : kPresets) {
        aPreset = aPreset || settingsText(settingsForLook(preset.look)) ==
                                 settingsText(d.port.shownLooks.back());
    }
    EXPECT_TRUE(aPreset);
    d.dialog.Cmd_Set_Click();
    EXPECT_EQ(d.written(),
              "DrawMode= 1;Amount= 100;Size= 60;Speed= 100;Trail= 20;Flows= 3;RandomPreset= 1;");

    // Read back, and undone with "own settings": the look as it was.
    Dialog again({{"Size", "60"}, {"RandomPreset", "1"}});
    EXPECT_EQ(again.port.lookText(LookList::kPreset), kPresetRandom);
    again.dialog.LookListChosen(LookList::kPreset, kOwnSettingsItem);
    EXPECT_EQ(again.look(), std::string(kPresetOwn) + "|\x93_|100 %|60 %|100 %|20|3");
}

TEST(PaintingPage, TheMonitorsListKeepsItsKeyBesideTheMusicsAndLeavesTheLookAlone) {
    Dialog d;
    EXPECT_EQ(d.port.lookItems[7], (std::vector<std::string>{kMonitorsEvery, kMonitorsMainOnly}));
    EXPECT_EQ(d.port.lookText(LookList::kMonitors), kMonitorsEvery) << "a file without the key";
    const std::size_t shown = d.port.shownLooks.size();
    d.dialog.LookListChosen(LookList::kMonitors, kMainMonitorOnlyItem);
    EXPECT_EQ(d.state.monitors, MonitorChoice::kMainMonitorOnly);
    EXPECT_EQ(d.port.shownLooks.size(), shown) << "the picture goes on";
    // A random preset greys the look's lists, not this one.
    d.dialog.LookListChosen(LookList::kPreset, kRandomPresetItem);
    EXPECT_EQ(std::count(d.port.log.begin(), d.port.log.end(), "Look 7 disabled"), 0);
    d.dialog.Cmd_Set_Click();
    const auto& writes = d.port.profilePort.writes;
    ASSERT_GE(writes.size(), 4u);
    EXPECT_EQ(writes[3].section, "Section");
    EXPECT_EQ(writes[3].key, kKeyMonitors);
    EXPECT_EQ(writes[3].value, " 1");

    // Opened again on a file that keeps it.
    Dialog again;
    again.port.profilePort.set(kIni, "Section", kKeyMonitors, " 1");
    again.dialog.Load();
    EXPECT_EQ(again.port.lookText(LookList::kMonitors), kMonitorsMainOnly);
    EXPECT_EQ(again.state.monitors, MonitorChoice::kMainMonitorOnly);
}

}  // namespace
