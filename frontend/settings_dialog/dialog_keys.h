#pragma once

#include "settings_dialog_port.h"

// The settings dialog from the keyboard, as users of Windows dialogs expect
// it: the focus starts on the music kind, Up and Down choose among the kinds
// in their order on screen, Tab and Shift+Tab go round the controls that can
// be used, Return saves and Escape closes, unless the control with the focus
// takes the key itself.

// Where the keyboard can be, in Tab order. The kind choice is one stop, the
// label of the chosen kind; the page button is the shown page's Cmd_Page.
// The music page's stops and the painting page's lists are only used while
// their page is shown.
enum class FocusStop {
    kKindChoice,
    kRepeatList,
    kFileButton,
    kLookPreset,
    kLookDrawMode,
    kLookAmount,
    kLookSize,
    kLookSpeed,
    kLookTrail,
    kLookFlows,
    kLookMonitors,
    kPageButton,
    kOtherWorks,
    kSet,
    kCancel,
    kNone,
};

// What decides which stops can take the keyboard.
struct FocusState {
    int kind;  // the music kind chosen
    DialogPage page;
    // False while a random preset greys the lists of the settings out.
    bool settingListsEnabled;
};

// The stop of a painting page's list, and the list of a stop (kNone and a
// stop that is no list give none: false).
FocusStop StopOfList(LookList list);
bool ListOfStop(FocusStop stop, LookList& list);

enum class DialogKey { kReturn, kEscape, kTab, kShiftTab, kUp, kDown, kOther };

enum class KeyAction {
    kToControl,     // the focused control has it (a button clicks, the list closes)
    kSave,          // as Set
    kCancel,        // as Cancel
    kNextStop,      // Tab
    kPreviousStop,  // Shift+Tab
    kKindUp,        // the kind above on screen
    kKindDown,      // the kind below on screen
};

// What a key does with the focus at `focus`; `listDropped` while the track
// list shows its items.
KeyAction ActionForKey(DialogKey key, FocusStop focus, bool listDropped);

// The stop Tab (or Shift+Tab, `backwards`) moves to from `from`: on the
// music page the track list only with kind 1 (audio CD), "..." only with kind
// 2 (a file); on the painting page the preset and the monitors lists and,
// unless greyed out, the lists of the settings; all round. From kNone the first (last) stop.
FocusStop NextFocusStop(FocusStop from, const FocusState& state, bool backwards);

// Whether the stop can take the focus.
bool FocusStopUsable(FocusStop stop, const FocusState& state);

// Where the keyboard starts on a page: the kind choice, or the preset list.
FocusStop FirstStopOf(DialogPage page);

// The kind above or below `kind` on screen: audio CD (1), none (0), file (2),
// staying at either end. From a kind outside 0 to 2, Down starts at the top
// and Up at the bottom.
int KindAbove(int kind);
int KindBelow(int kind);
