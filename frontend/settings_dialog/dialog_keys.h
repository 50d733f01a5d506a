#pragma once

// The settings dialog from the keyboard, as users of Windows dialogs expect
// it: the focus starts on the music kind, Up and Down choose among the kinds
// in their order on screen, Tab and Shift+Tab go round the controls that can
// be used, Return saves and Escape closes, unless the control with the focus
// takes the key itself.

// Where the keyboard can be, in Tab order. The kind choice is one stop, the
// label of the chosen kind.
enum class FocusStop { kKindChoice, kRepeatList, kFileButton, kOtherWorks, kSet, kCancel, kNone };

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

// The stop Tab (or Shift+Tab, `backwards`) moves to from `from` while `kind`
// is chosen: the track list only with kind 1 (audio CD), "..." only with kind
// 2 (a file), all round. From kNone the first (last) stop.
FocusStop NextFocusStop(FocusStop from, int kind, bool backwards);

// Whether the stop can take the focus while `kind` is chosen.
bool FocusStopUsable(FocusStop stop, int kind);

// The kind above or below `kind` on screen: audio CD (1), none (0), file (2),
// staying at either end. From a kind outside 0 to 2, Down starts at the top
// and Up at the bottom.
int KindAbove(int kind);
int KindBelow(int kind);
