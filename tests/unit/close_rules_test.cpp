#include "close_rules.h"

#include <gtest/gtest.h>

#include "fake_password_port.h"
#include "window_messages.h"

namespace {

class FakeCursor : public CursorSource {
  public:
    CursorPoint at{0, 0};
    int reads = 0;
    CursorPoint cursorPos() override {
        ++reads;
        return at;
    }
};

int windowTag = 0;
WindowHandle const kWindow = &windowTag;

// A run whose window was created with the cursor at (100, 100).
class CloseRulesTest : public ::testing::Test {
  protected:
    CloseRulesTest() {
        state.lastCursorPos = {100, 100};
        state.drawingEnabled = true;
    }

    CloseReply send(std::uint32_t message, std::uintptr_t wParam = 0) {
        return rules.handle(kWindow, message, wParam);
    }
    CloseReply moveTo(std::int32_t x, std::int32_t y) {
        cursor.at = {x, y};
        return send(kWmMouseMove);
    }
    // True when WM_CLOSE would destroy the window.
    bool closeDestroys() { return send(kWmClose).passToDefault; }

    SaverState state;
    FakeCursor cursor;
    FakePasswordPort password;
    CloseRules rules{state, cursor, password};
};

TEST_F(CloseRulesTest, FarFirstMoveIsIgnoredAndLeavesTheReference) {
    CloseReply first = moveTo(300, 300);
    EXPECT_TRUE(first.passToDefault);
    // Its close request is posted but finds no user input yet.
    EXPECT_TRUE(first.postClose);
    EXPECT_FALSE(state.closeRequested);
    EXPECT_FALSE(closeDestroys());
    EXPECT_EQ(password.dialogs, 0);
    EXPECT_EQ(state.lastCursorPos.x, 100);
    EXPECT_EQ(state.lastCursorPos.y, 100);

    // Measured from (100, 100), not from (300, 300).
    EXPECT_FALSE(moveTo(102, 102).postClose);
    EXPECT_TRUE(moveTo(300, 300).postClose);
    EXPECT_TRUE(state.closeRequested);
    EXPECT_TRUE(closeDestroys());
}

TEST_F(CloseRulesTest, SmallMovesCarryTheReferenceAlong) {
    EXPECT_FALSE(moveTo(101, 100).postClose);
    EXPECT_FALSE(moveTo(103, 102).postClose);  // sum 4 from (101, 100)
    EXPECT_EQ(state.lastCursorPos.x, 103);
    EXPECT_EQ(state.lastCursorPos.y, 102);
    EXPECT_TRUE(moveTo(106, 104).postClose);  // sum 5
    EXPECT_EQ(state.lastCursorPos.x, 103);
    EXPECT_TRUE(closeDestroys());
    // The message's own coordinates are never used: the cursor was read for
    // every move.
    EXPECT_EQ(cursor.reads, 3);
}

TEST_F(CloseRulesTest, MovesInEveryDirectionSumBothAxes) {
    moveTo(100, 100);
    EXPECT_FALSE(moveTo(98, 102).postClose);
    EXPECT_TRUE(moveTo(93, 102).postClose);
    EXPECT_TRUE(moveTo(98, 107).postClose);
    EXPECT_FALSE(moveTo(96, 100).postClose);
}

TEST_F(CloseRulesTest, CloseFromOutsideWaitsForUserInput) {
    CloseReply early = send(kWmClose);
    EXPECT_FALSE(early.passToDefault);
    EXPECT_EQ(early.result, 0);
    EXPECT_EQ(password.dialogs, 0);

    CloseReply key = send(kWmKeyDown, 0x41);
    EXPECT_TRUE(key.postClose);
    EXPECT_TRUE(key.passToDefault);
    EXPECT_TRUE(closeDestroys());
    EXPECT_EQ(password.dialogs, 1);
}

TEST_F(CloseRulesTest, KeysAndButtonsCloseAtOnce) {
    for (std::uint32_t message :
         {kWmKeyDown, kWmSysKeyDown, kWmLButtonDown, kWmRButtonDown, kWmMButtonDown}) {
        SaverState fresh;
        CloseRules freshRules(fresh, cursor, password);
        CloseReply reply = freshRules.handle(kWindow, message, 0);
        EXPECT_TRUE(reply.postClose) << message;
        EXPECT_TRUE(reply.passToDefault) << message;
        EXPECT_TRUE(fresh.closeRequested) << message;
    }
    // A button release or a key release is no reason to close.
    EXPECT_FALSE(send(0x0202).postClose);
    EXPECT_FALSE(send(0x0101).postClose);
    EXPECT_FALSE(state.closeRequested);
}

TEST_F(CloseRulesTest, LosingActivationClosesGainingDoesNot) {
    EXPECT_FALSE(send(kWmActivateApp, 1).postClose);
    EXPECT_FALSE(state.closeRequested);
    CloseReply lost = send(kWmActivateApp, 0);
    EXPECT_TRUE(lost.postClose);
    EXPECT_TRUE(lost.passToDefault);
    EXPECT_TRUE(closeDestroys());
}

TEST_F(CloseRulesTest, CursorStaysHidden) {
    CloseReply setCursor = send(kWmSetCursor);
    EXPECT_TRUE(setCursor.hideCursor);
    EXPECT_FALSE(setCursor.passToDefault);
    EXPECT_EQ(setCursor.result, 1);

    CloseReply shown = send(kWmShowWindow, 1);
    EXPECT_TRUE(shown.hideCursor);
    EXPECT_TRUE(shown.passToDefault);
    EXPECT_FALSE(send(kWmShowWindow, 0).hideCursor);
}

TEST_F(CloseRulesTest, RefusedPasswordMeasuresAfreshFromTheCursorAtRefusal) {
    password.answers = {false, true};
    password.whileDialogOpen = [&] {
        EXPECT_FALSE(state.wantsFrames());
        cursor.at = {500, 500};  // the user typed and moved about meanwhile
    };
    moveTo(100, 100);
    send(kWmKeyDown);

    CloseReply refused = send(kWmClose);
    EXPECT_FALSE(refused.passToDefault);
    EXPECT_EQ(refused.result, 0);
    EXPECT_EQ(password.dialogs, 1);
    EXPECT_TRUE(state.wantsFrames());
    EXPECT_EQ(state.lastCursorPos.x, 500);
    EXPECT_EQ(state.lastCursorPos.y, 500);

    EXPECT_FALSE(moveTo(503, 501).postClose);
    EXPECT_TRUE(moveTo(508, 501).postClose);
    EXPECT_TRUE(closeDestroys());
    EXPECT_EQ(password.dialogs, 2);
    EXPECT_EQ(password.dialogOwner, kWindow);
}

TEST_F(CloseRulesTest, NothingIsActedOnWhileTheDialogIsOpen) {
    std::vector<CloseReply> replies;
    password.answers = {false};
    password.whileDialogOpen = [&] {
        cursor.at = {900, 900};
        replies.push_back(send(kWmMouseMove));
        replies.push_back(send(kWmKeyDown));
        replies.push_back(send(kWmLButtonDown));
        replies.push_back(send(kWmActivateApp, 0));
        replies.push_back(send(kWmSetCursor));
        replies.push_back(send(kWmShowWindow, 1));
    };
    send(kWmKeyDown);
    const int readsBefore = cursor.reads;
    password.calls.clear();
    // A second close request queued before the dialog opened reaches the
    // window while it is open.
    password.whileDialogOpen = [&, inner = password.whileDialogOpen] {
        inner();
        CloseReply queued = send(kWmClose);
        EXPECT_FALSE(queued.passToDefault);
        EXPECT_EQ(queued.result, 0);
    };
    EXPECT_FALSE(send(kWmClose).passToDefault);

    ASSERT_EQ(replies.size(), 6u);
    for (const CloseReply& reply : replies) {
        EXPECT_TRUE(reply.passToDefault);
        EXPECT_FALSE(reply.postClose);
        EXPECT_FALSE(reply.hideCursor);
    }
    EXPECT_EQ(password.dialogs, 1);
    EXPECT_FALSE(state.firstMoveSeen);
    // Only the refusal read the cursor.
    EXPECT_EQ(cursor.reads, readsBefore + 1);
}

TEST(SwallowedSysCommand, ComparesTheWholeParameter) {
    EXPECT_TRUE(isSwallowedSysCommand(0xF140));
    EXPECT_TRUE(isSwallowedSysCommand(0xF040));
    EXPECT_TRUE(isSwallowedSysCommand(0xF050));
    EXPECT_FALSE(isSwallowedSysCommand(0xF142));
    EXPECT_FALSE(isSwallowedSysCommand(0xF041));
    EXPECT_FALSE(isSwallowedSysCommand(0xF060));  // closing through the system menu
    EXPECT_FALSE(isSwallowedSysCommand(0x1F140));
}

}  // namespace
