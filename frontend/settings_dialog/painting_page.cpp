#include "painting_page.h"

#include <algorithm>
#include <ctime>

namespace {

// The settings whose values are shares of the designed ones.
bool IsPercent(LookSetting setting) {
    return setting == LookSetting::kAmount || setting == LookSetting::kSize ||
           setting == LookSetting::kSpeed;
}

// The range's steps, with `value` in its place where it lies between them.
std::vector<int> ListedValues(LookSetting setting, int value) {
    const LookRange& range = rangeOf(setting);
    std::vector<int> values;
    for (int v = range.lowest; v <= range.highest; v += range.step) {
        values.push_back(v);
    }
    if (std::find(values.begin(), values.end(), value) == values.end()) {
        values.insert(std::upper_bound(values.begin(), values.end(), value), value);
    }
    return values;
}

}  // namespace

LookList ListOf(LookSetting setting) {
    return static_cast<LookList>(static_cast<int>(setting) + 1);
}

LookSetting SettingOf(LookList list) {
    return static_cast<LookSetting>(static_cast<int>(list) - 1);
}

void PaintingPage::Load() {
    std::vector<std::string> presets = {texts_.presetDesigned,     texts_.presetCalmLines,
                                        texts_.presetDenseSprites, texts_.presetQuickTrails,
                                        texts_.presetOwn,          texts_.presetRandom};
    port_.setLookItems(LookList::kPreset, presets, PresetItem());
    for (const LookSetting setting : kLookSettings) {
        std::vector<int>& values = listed_[static_cast<std::size_t>(setting)];
        values = ::ListedValues(setting, choice_.look[setting]);
        std::vector<std::string> items;
        for (const int value : values) {
            items.push_back(ValueText(setting, value));
        }
        const auto at = std::find(values.begin(), values.end(), choice_.look[setting]);
        port_.setLookItems(ListOf(setting), items, static_cast<int>(at - values.begin()));
    }
    port_.setLookItems(
        LookList::kMonitors, {texts_.monitorsEvery, texts_.monitorsMainOnly},
        monitors_ == MonitorChoice::kMainMonitorOnly ? kMainMonitorOnlyItem : kEveryMonitorItem);
    ShowChoice(true);
}

void PaintingPage::ListChosen(LookList list, int item) {
    if (list == LookList::kMonitors) {
        if (item == kEveryMonitorItem || item == kMainMonitorOnlyItem) {
            monitors_ = item == kMainMonitorOnlyItem ? MonitorChoice::kMainMonitorOnly
                                                     : MonitorChoice::kEveryMonitor;
        }
        return;
    }
    const PaintingChoice before = choice_;
    if (list == LookList::kPreset) {
        if (item >= 0 && item < kPresetCount) {
            choice_.look = kPresets[static_cast<std::size_t>(item)].look;
        }
        choice_.randomPreset = item == kRandomPresetItem;
    } else {
        const LookSetting setting = SettingOf(list);
        const std::vector<int>& values = listed_[static_cast<std::size_t>(setting)];
        if (item < 0 || item >= static_cast<int>(values.size())) {
            return;
        }
        choice_.look[setting] = values[static_cast<std::size_t>(item)];
    }
    // The same look again (a list that only moved over its items, "own
    // settings" for a look that is a preset) keeps the picture going.
    const bool changed = choice_.look != before.look || choice_.randomPreset != before.randomPreset;
    ShowChoice(changed);
}

int PaintingPage::PresetItem() const {
    if (choice_.randomPreset) {
        return kRandomPresetItem;
    }
    const int preset = presetOf(choice_.look);
    return preset >= 0 ? preset : kOwnSettingsItem;
}

std::string PaintingPage::ValueText(LookSetting setting, int value) const {
    if (setting == LookSetting::kDrawMode) {
        switch (value) {
            case kDrawSprites:
                return texts_.drawModeSprites;
            case kDrawLines:
                return texts_.drawModeLines;
            default:
                return texts_.drawModePoints;
        }
    }
    return std::to_string(value) + (IsPercent(setting) ? " %" : "");
}

void PaintingPage::ShowChoice(bool restartPicture) {
    port_.setLookChosen(LookList::kPreset, PresetItem());
    for (const LookSetting setting : kLookSettings) {
        const std::vector<int>& values = listed_[static_cast<std::size_t>(setting)];
        const auto at = std::find(values.begin(), values.end(), choice_.look[setting]);
        port_.setLookChosen(ListOf(setting), static_cast<int>(at - values.begin()));
        port_.setLookListEnabled(ListOf(setting), SettingListsEnabled());
    }
    if (!restartPicture) {
        return;
    }
    // With a random preset, one of those a run may draw, as one would draw it
    // this second.
    const PaintingLook shown = lookForRun(choice_, static_cast<std::uint32_t>(std::time(nullptr)));
    port_.showLook(settingsForLook(shown));
}
