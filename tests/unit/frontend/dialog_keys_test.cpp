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
        case FocusStop::kLookPreset:
            return "preset";
        case FocusStop::kLookDrawMode:
            return "mode";
        case FocusStop::kLookAmount:
            return "amount";
        case FocusStop::kLookSize:
            return "size";
        case FocusStop::kLookSpeed:
            return "speed";
        case FocusStop::kLookTrail:
            return "trail";
        case FocusStop::kLookFlows:
            return "flows";
        case FocusStop::kLookMonitors:
            return "monitors";
        case FocusStop::kPageButton:
            return "page";
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

FocusState Music(int kind) {
    return {kind, DialogPage::kMusic, true};
}

FocusState Painting(bool listsEnabled) {
    return {1, DialogPage::kPainting, listsEnabled};
}

// The stops Tab visits from the page's first stop until it is back there.
std::string Round(const FocusState& state, bool backwards) {
    const FocusStop first = FirstStopOf(state.page);
    std::string visited = Name(first);
    FocusStop at = first;
    for (int step = 0; step < 20; ++step) {
        at = NextFocusStop(at, state, backwards);
        visited += std::string(" ") + Name(at);
        if (at == first) {
            break;
        }
    }
    return visited;
}

TEST(DialogKeys, TabGoesRoundTheControlsThatTheKindAndThePageEnable) {
    EXPECT_EQ(Round(Music(0), false), "kind page etc set cancel kind");
    EXPECT_EQ(Round(Music(1), false), "kind list page etc set cancel kind");
    EXPECT_EQ(Round(Music(2), false), "kind ... page etc set cancel kind");
    EXPECT_EQ(Round(Music(7), false), "kind page etc set cancel kind") << "a hand-edited kind";
    EXPECT_EQ(Round(Music(1), true), "kind cancel set etc page list kind");
    EXPECT_EQ(Round(Music(2), true), "kind cancel set etc page ... kind");
    EXPECT_EQ(Round(Painting(true), false),
              "preset mode amount size speed trail flows monitors page etc set cancel preset");
    EXPECT_EQ(Round(Painting(false), true), "preset cancel set etc page monitors preset")
        << "a random preset leaves its own list and the monitors'";
    // From nowhere, or from a stop the kind has just disabled.
    EXPECT_EQ(NextFocusStop(FocusStop::kNone, Music(0), false), FocusStop::kKindChoice);
    EXPECT_EQ(NextFocusStop(FocusStop::kNone, Music(0), true), FocusStop::kCancel);
    EXPECT_EQ(NextFocusStop(FocusStop::kNone, Painting(true), false), FocusStop::kLookPreset);
    EXPECT_EQ(NextFocusStop(FocusStop::kRepeatList, Music(2), false), FocusStop::kFileButton);
    EXPECT_EQ(NextFocusStop(FocusStop::kFileButton, Music(0), true), FocusStop::kKindChoice);
    EXPECT_EQ(NextFocusStop(FocusStop::kLookSpeed, Painting(false), false),
              FocusStop::kLookMonitors);
    EXPECT_FALSE(FocusStopUsable(FocusStop::kRepeatList, Music(2)));
    EXPECT_FALSE(FocusStopUsable(FocusStop::kFileButton, Music(1)));
    EXPECT_FALSE(FocusStopUsable(FocusStop::kNone, Music(1)));
    EXPECT_TRUE(FocusStopUsable(FocusStop::kCancel, Music(9)));
    EXPECT_FALSE(FocusStopUsable(FocusStop::kLookPreset, Music(1)));
    EXPECT_FALSE(FocusStopUsable(FocusStop::kRepeatList, Painting(true)))
        << "the hidden music page";
    EXPECT_TRUE(FocusStopUsable(FocusStop::kPageButton, Painting(false)));

    LookList list = LookList::kPreset;
    EXPECT_TRUE(ListOfStop(StopOfList(LookList::kTrail), list));
    EXPECT_EQ(list, LookList::kTrail);
    EXPECT_FALSE(ListOfStop(FocusStop::kPageButton, list));
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
        {DialogKey::kDown, FocusStop::kLookAmount, false, KeyAction::kToControl,
         "Down in a painting list chooses in it"},
        {DialogKey::kReturn, FocusStop::kLookPreset, false, KeyAction::kSave,
         "Return in a painting list saves"},
        {DialogKey::kReturn, FocusStop::kLookPreset, true, KeyAction::kToControl,
         "...unless it is dropped down"},
        {DialogKey::kReturn, FocusStop::kPageButton, false, KeyAction::kToControl,
         "Return on the page button is the button's"},
        {DialogKey::kOther, FocusStop::kKindChoice, false, KeyAction::kToControl, "other keys"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActionForKey(c.key, c.focus, c.dropped), c.action) << c.what;
    }
}

}  // namespace
