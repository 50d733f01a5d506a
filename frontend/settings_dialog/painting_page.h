#pragma once

#include <array>
#include <string>
#include <vector>

#include "monitor_choice.h"
#include "painting_look.h"
#include "screen_texts.h"
#include "settings_dialog_port.h"

// The settings dialog's page of the painting's look: a list of presets (the
// designed look first, then "own settings" for a look that is no preset, and
// a preset drawn at random for each run) and a list for each setting. A
// choice changes the settings in memory at once and starts the page's
// moving picture afresh with them; only Set writes them. A preset sets every
// list; a list moved by hand shows in the preset list as the preset that has
// that look, else as own settings; a random preset greys the other lists out,
// since no single look applies, and the picture shows one preset it may draw.
// The last list chooses the monitors the painting is shown on, every one or
// the main one only; it leaves the look and its picture alone.
class PaintingPage {
  public:
    // `choice`, `monitors` and `texts` must outlive the page.
    PaintingPage(SettingsDialogPort& port, PaintingChoice& choice, MonitorChoice& monitors,
                 const ScreenTexts& texts)
        : port_(port), choice_(choice), monitors_(monitors), texts_(texts) {}

    // Fills the lists from the choice and shows its picture.
    void Load();
    // The user chose item `item` of a list.
    void ListChosen(LookList list, int item);

    // The items of a setting's list: its steps, and a value between them
    // that the file held.
    const std::vector<int>& ListedValues(LookSetting setting) const {
        return listed_[static_cast<std::size_t>(setting)];
    }

    // Whether the lists of the settings can be used (not with a random preset).
    bool SettingListsEnabled() const { return !choice_.randomPreset; }

  private:
    int PresetItem() const;
    std::string ValueText(LookSetting setting, int value) const;
    void ShowChoice(bool restartPicture);

    SettingsDialogPort& port_;
    PaintingChoice& choice_;
    MonitorChoice& monitors_;
    const ScreenTexts& texts_;
    std::array<std::vector<int>, kLookSettingCount> listed_;
};

// The list that shows a setting, and the setting a list shows (not the
// preset list, nor the monitors').
LookList ListOf(LookSetting setting);
LookSetting SettingOf(LookList list);

// Where "own settings" and the random preset stand in the preset list, after
// the presets.
inline constexpr int kOwnSettingsItem = kPresetCount;
inline constexpr int kRandomPresetItem = kPresetCount + 1;

// The monitors list's items, by MonitorChoice.
inline constexpr int kEveryMonitorItem = 0;
inline constexpr int kMainMonitorOnlyItem = 1;
