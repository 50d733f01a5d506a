#include <gtest/gtest.h>

#include <string>

#include "dialog_keys.h"

namespace {

const char* Name(FocusStop stop) {
    switch (stop) {
        case FocusStop::kKindChoice:
            return "kind";
        case FocusStop::kRepeatList:
            return "list";
        case FocusStop::kFileButton:
            return "...";
        case FocusStop::kOtherWorks:
            return "etc";
        case FocusStop::kSet:
            return "set";
        case FocusStop::kCancel:
            return "cancel";
        case FocusStop::kNone:
            break;
    }
    return "none";
}

// The stops Tab visits from the kind choice until it is back there.
std::string Round(int kind, bool backwards) {
    std::string visited = "kind";
    FocusStop at = FocusStop::kKindChoice;
    for (int step = 0; step < 10; ++step) {
        at = NextFocusStop(at, kind, backwards);
        visited += std::string(" ") + Name(at);
        if (at == FocusStop::kKindChoice) {
            break;
        }
    }
    return visited;
}

TEST(DialogKeys, TabGoesRoundTheControlsThatTheKindEnables) {
    EXPECT_EQ(Round(0, false), "kind etc set cancel kind");
    EXPECT_EQ(Round(1, false), "kind list etc set cancel kind");
    EXPECT_EQ(Round(2, false), "kind ... etc set cancel kind");
    EXPECT_EQ(Round(7, false), "kind etc set cancel kind") << "a hand-edited kind";
    EXPECT_EQ(Round(1, true), "kind cancel set etc list kind");
    EXPECT_EQ(Round(2, true), "kind cancel set etc ... kind");
    // From nowhere, or from a stop the kind has just disabled.
    EXPECT_EQ(NextFocusStop(FocusStop::kNone, 0, false), FocusStop::kKindChoice);
    EXPECT_EQ(NextFocusStop(FocusStop::kNone, 0, true), FocusStop::kCancel);
    EXPECT_EQ(NextFocusStop(FocusStop::kRepeatList, 2, false), FocusStop::kFileButton);
    EXPECT_EQ(NextFocusStop(FocusStop::kFileButton, 0, true), FocusStop::kKindChoice);
    EXPECT_FALSE(FocusStopUsable(FocusStop::kRepeatList, 2));
    EXPECT_FALSE(FocusStopUsable(FocusStop::kFileButton, 1));
    EXPECT_FALSE(FocusStopUsable(FocusStop::kNone, 1));
    EXPECT_TRUE(FocusStopUsable(FocusStop::kCancel, 9));
}

TEST(DialogKeys, UpAndDownFollowTheKindsOnScreenWithoutWrapping) {
    // On screen: audio CD (1), none (0), file (2).
    struct Case {
        int kind, above, below;
    };
    for (const Case& c :
         {Case{1, 1, 0}, Case{0, 1, 2}, Case{2, 0, 2}, Case{-1, 2, 1}, Case{3, 2, 1}}) {
        EXPECT_EQ(KindAbove(c.kind), c.above) << "above " << c.kind;
        EXPECT_EQ(KindBelow(c.kind), c.below) << "below " << c.kind;
    }
}

TEST(DialogKeys, WhatEachKeyDoesWhereTheFocusIs) {
    struct Case {
        DialogKey key;
        FocusStop focus;
        bool dropped;
        KeyAction action;
        const char* what;
    };
    const Case cases[] = {
        {DialogKey::kReturn, FocusStop::kKindChoice, false, KeyAction::kSave, "Return saves"},
        {DialogKey::kReturn, FocusStop::kRepeatList, false, KeyAction::kSave, "...from the list"},
        {DialogKey::kReturn, FocusStop::kNone, false, KeyAction::kSave, "...from nowhere"},
        {DialogKey::kReturn, FocusStop::kRepeatList, true, KeyAction::kToControl,
         "Return takes the dropped list's item"},
        {DialogKey::kReturn, FocusStop::kCancel, false, KeyAction::kToControl,
         "Return on a button is the button's"},
        {DialogKey::kReturn, FocusStop::kFileButton, false, KeyAction::kToControl, "...on ..."},
        {DialogKey::kEscape, FocusStop::kSet, false, KeyAction::kCancel, "Escape cancels"},
        {DialogKey::kEscape, FocusStop::kRepeatList, true, KeyAction::kToControl,
         "Escape closes the dropped list first"},
        {DialogKey::kTab, FocusStop::kSet, false, KeyAction::kNextStop, "Tab"},
        {DialogKey::kShiftTab, FocusStop::kSet, false, KeyAction::kPreviousStop, "Shift+Tab"},
        {DialogKey::kUp, FocusStop::kKindChoice, false, KeyAction::kKindUp, "Up on the kind"},
        {DialogKey::kDown, FocusStop::kKindChoice, false, KeyAction::kKindDown, "Down on it"},
        {DialogKey::kDown, FocusStop::kRepeatList, false, KeyAction::kToControl,
         "Down in the list is the list's"},
        {DialogKey::kUp, FocusStop::kSet, false, KeyAction::kToControl, "Up on a button"},
        {DialogKey::kOther, FocusStop::kKindChoice, false, KeyAction::kToControl, "other keys"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActionForKey(c.key, c.focus, c.dropped), c.action) << c.what;
    }
}

}  // namespace
