#include "dialog_keys.h"

#include <array>
#include <cstddef>

#include "bgm_settings.h"

namespace {

constexpr std::array<int, 3> kKindsOnScreen = {1, 0, 2};

constexpr std::array<FocusStop, 15> kTabOrder = {
    FocusStop::kKindChoice, FocusStop::kRepeatList,   FocusStop::kFileButton,
    FocusStop::kLookPreset, FocusStop::kLookDrawMode, FocusStop::kLookAmount,
    FocusStop::kLookSize,   FocusStop::kLookSpeed,    FocusStop::kLookTrail,
    FocusStop::kLookFlows,  FocusStop::kLookMonitors, FocusStop::kPageButton,
    FocusStop::kOtherWorks, FocusStop::kSet,          FocusStop::kCancel,
};

bool IsButton(FocusStop stop) {
    return stop == FocusStop::kFileButton || stop == FocusStop::kPageButton ||
           stop == FocusStop::kOtherWorks || stop == FocusStop::kSet || stop == FocusStop::kCancel;
}

bool OnMusicPage(FocusStop stop) {
    return stop == FocusStop::kKindChoice || stop == FocusStop::kRepeatList ||
           stop == FocusStop::kFileButton;
}

// Where `kind` stands on screen, or -1.
int ScreenRow(int kind) {
    for (std::size_t row = 0; row < kKindsOnScreen.size(); ++row) {
        if (kKindsOnScreen[row] == kind) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

}  // namespace

FocusStop StopOfList(LookList list) {
    return static_cast<FocusStop>(static_cast<int>(FocusStop::kLookPreset) +
                                  static_cast<int>(list));
}

bool ListOfStop(FocusStop stop, LookList& list) {
    const int index = static_cast<int>(stop) - static_cast<int>(FocusStop::kLookPreset);
    if (index < 0 || index >= kLookListCount) {
        return false;
    }
    list = static_cast<LookList>(index);
    return true;
}

bool FocusStopUsable(FocusStop stop, const FocusState& state) {
    if (stop == FocusStop::kNone) {
        return false;
    }
    LookList list;
    if (ListOfStop(stop, list)) {
        // A random preset greys out the look's settings, not the monitors.
        return state.page == DialogPage::kPainting &&
               (list == LookList::kPreset || list == LookList::kMonitors ||
                state.settingListsEnabled);
    }
    if (OnMusicPage(stop) && state.page != DialogPage::kMusic) {
        return false;
    }
    if (stop == FocusStop::kRepeatList) {
        return state.kind == kBgmCompactDisc;
    }
    if (stop == FocusStop::kFileButton) {
        return state.kind == kBgmMusicFile;
    }
    return true;
}

FocusStop FirstStopOf(DialogPage page) {
    return page == DialogPage::kMusic ? FocusStop::kKindChoice : FocusStop::kLookPreset;
}

KeyAction ActionForKey(DialogKey key, FocusStop focus, bool listDropped) {
    switch (key) {
        case DialogKey::kReturn:
            if (listDropped || IsButton(focus)) {
                return KeyAction::kToControl;
            }
            return KeyAction::kSave;
        case DialogKey::kEscape:
            return listDropped ? KeyAction::kToControl : KeyAction::kCancel;
        case DialogKey::kTab:
            return listDropped ? KeyAction::kToControl : KeyAction::kNextStop;
        case DialogKey::kShiftTab:
            return listDropped ? KeyAction::kToControl : KeyAction::kPreviousStop;
        case DialogKey::kUp:
            return focus == FocusStop::kKindChoice ? KeyAction::kKindUp : KeyAction::kToControl;
        case DialogKey::kDown:
            return focus == FocusStop::kKindChoice ? KeyAction::kKindDown : KeyAction::kToControl;
        case DialogKey::kOther:
            break;
    }
    return KeyAction::kToControl;
}

FocusStop NextFocusStop(FocusStop from, const FocusState& state, bool backwards) {
    const int count = static_cast<int>(kTabOrder.size());
    int at = backwards ? 0 : -1;  // so that the first step lands on an end
    for (int i = 0; i < count; ++i) {
        if (kTabOrder[static_cast<std::size_t>(i)] == from) {
            at = i;
        }
    }
    const int step = backwards ? count - 1 : 1;
    for (int tried = 0; tried < count; ++tried) {
        at = (at + step) % count;
        const FocusStop stop = kTabOrder[static_cast<std::size_t>(at)];
        if (FocusStopUsable(stop, state)) {
            return stop;
        }
    }
    return FirstStopOf(state.page);
}

int KindAbove(int kind) {
    const int row = ScreenRow(kind);
    if (row < 0) {
        return kKindsOnScreen.back();
    }
    return kKindsOnScreen[static_cast<std::size_t>(row > 0 ? row - 1 : 0)];
}

int KindBelow(int kind) {
    const int row = ScreenRow(kind);
    const int last = static_cast<int>(kKindsOnScreen.size()) - 1;
    if (row < 0) {
        return kKindsOnScreen.front();
    }
    return kKindsOnScreen[static_cast<std::size_t>(row < last ? row + 1 : last)];
}
