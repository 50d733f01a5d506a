#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <string>

#include "command.h"
#include "fake_button_ports.h"

namespace {

using Strings = std::vector<std::string>;

// LeftUp and RightUp release a button pressed on the control; the Stray
// releases come without a press of their own (a drag from elsewhere).
enum class Event {
    Move,
    LeftDown,
    LeftUp,
    RightUp,
    StrayLeftUp,
    StrayRightUp,
    FocusGained,
    FocusLost,
    TickOutside,
    Resize
};

// A button with its host and canvas, and the moves a user makes.
struct ButtonRig {
    // A button as the dialog has it: loaded from its stored property set
    // (nothing stored, so enabled with FirstRun 1), sized, then Initialize.
    void load() {
        command.ReadProperties(PropertyBag{});
        command.Resize();
    }

    // Brings a loaded button into a mode the way a user would.
    void reach(int mode) {
        if (mode >= 1) {
            command.Initialize();
        }
        if (mode == 3 || mode == 4) {
            command.GotFocus();
        }
        if (mode == 2 || mode == 4) {
            command.MouseMove(0, 0, 100, 100);
        }
        EXPECT_EQ(command.buttonMode(), mode) << "could not reach the mode";
    }

    void send(Event event) {
        switch (event) {
            case Event::Move:
                return command.MouseMove(0, 0, 100, 100);
            case Event::LeftDown:
                return command.MouseDown(kLeftButton, 0, 100, 100);
            case Event::LeftUp:
            case Event::StrayLeftUp:
                return command.MouseUp(kLeftButton, 0, 100, 100);
            case Event::RightUp:
            case Event::StrayRightUp:
                return command.MouseUp(kRightButton, 0, 100, 100);
            case Event::FocusGained:
                return command.GotFocus();
            case Event::FocusLost:
                return command.LostFocus();
            case Event::TickOutside:
                port.underCursor = FakeCommandPort::kHostWindow;
                command.TmrMouse_Timer();
                port.underCursor = FakeCommandPort::kOwnWindow;
                return;
            case Event::Resize:
                return command.Resize();
        }
    }

    // "<mode> <faces drawn...> [Click]" for what the event did.
    std::string outcome(Event event) {
        if (event == Event::LeftUp) {
            command.MouseDown(kLeftButton, 0, 100, 100);
        } else if (event == Event::RightUp) {
            command.MouseDown(kRightButton, 0, 100, 100);
        }
        canvas.taken();
        const int clicksBefore = port.clicks;
        send(event);
        std::string text = std::to_string(command.buttonMode());
        for (const std::string& face : canvas.taken()) {
            text += " " + face;
        }
        for (int i = clicksBefore; i < port.clicks; ++i) {
            text += " Click";
        }
        return text;
    }

    FakeCommandPort port;
    RecordingCanvas canvas;
    Command command{port, canvas};
};

class CommandTest : public ::testing::Test, public ButtonRig {};

// The transition table: for each event, what it does in modes 0 to 4 of an
// enabled button.
const std::map<Event, std::array<const char*, 5>> kTransitions = {
    {Event::Move, {"0", "2 HighLight", "2", "4 HighLightSelect", "4"}},
    {Event::LeftDown, {"0 Pressed", "2 Pressed", "2 Pressed", "4 Pressed", "4 Pressed"}},
    // After its press, which shows the cursor is on the control.
    {Event::LeftUp,
     {"0 Click", "2 Normal Click", "2 Normal Click", "4 HighLightSelect Click",
      "4 HighLightSelect Click"}},
    {Event::RightUp, {"0 Click", "1 Click", "2 Click", "3", "4 Click"}},
    {Event::StrayLeftUp, {"0", "1", "2 Normal", "3", "4 HighLightSelect"}},
    {Event::StrayRightUp, {"0", "1", "2", "3", "4"}},
    {Event::FocusGained, {"3 Selected", "3 Selected", "4 Pressed", "3 Selected", "3 Selected"}},
    {Event::FocusLost, {"1 Normal", "1", "2", "1 Normal", "2 HighLight"}},
    {Event::TickOutside, {"0", "1", "1 Normal", "3", "3 Selected"}},
    {Event::Resize, {"0 Normal", "1 Normal", "2 Normal", "3 Normal", "4 Normal"}},
};

TEST(CommandTransitions, EveryEventInEveryModeOfAnEnabledAndADisabledButton) {
    for (const auto& [event, cells] : kTransitions) {
        for (int mode = 0; mode <= 4; ++mode) {
            for (bool enabled : {true, false}) {
                ButtonRig test;
                test.load();
                test.reach(mode);
                if (!enabled) {
                    test.command.setEnabled(false);
                }
                const std::string got = test.outcome(event);
                // A disabled button only answers a resize, with Disable.
                const std::string expected =
                    enabled ? cells[static_cast<std::size_t>(mode)]
                            : std::to_string(mode) + (event == Event::Resize ? " Disable" : "");
                EXPECT_EQ(got, expected) << "event " << static_cast<int>(event) << " in mode "
                                         << mode << (enabled ? "" : ", disabled");
            }
        }
    }
}

TEST_F(CommandTest, MouseTimerStartsWithInitializeAndOnlyAnotherWindowEndsTheHover) {
    load();
    EXPECT_EQ(port.timerInterval, 0u);
    canvas.taken();
    command.Initialize();
    EXPECT_EQ(port.timerInterval, 100u);
    EXPECT_EQ(canvas.taken(), Strings{}) << "Initialize draws nothing";

    command.MouseMove(0, 0, 1, 1);
    port.underCursor = FakeCommandPort::kOwnWindow;
    command.TmrMouse_Timer();
    EXPECT_EQ(command.buttonMode(), 2) << "the cursor over the control itself";
    port.underCursor = FakeCommandPort::kOtherWindow;
    command.TmrMouse_Timer();
    EXPECT_EQ(command.buttonMode(), 1) << "another window over the control";
}

TEST_F(CommandTest, ClickPaths) {
    load();
    command.Initialize();
    canvas.taken();

    // Hover, press (focus arrives after the press), release without leaving.
    command.MouseMove(0, 0, 1, 1);
    command.MouseDown(kLeftButton, 0, 1, 1);
    command.GotFocus();
    command.MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"HighLight", "Pressed", "Pressed", "HighLightSelect"}));
    EXPECT_EQ(port.clicks, 1);

    // Press, leave for a tick, come back, release: no Click, and the hover
    // comes back only with a move after the release.
    command.MouseDown(kLeftButton, 0, 1, 1);
    send(Event::TickOutside);
    command.MouseMove(kLeftButton, 0, 1, 1);
    command.MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"Pressed", "Selected"}));
    EXPECT_EQ(port.clicks, 1);
    command.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), Strings{"HighLightSelect"});

    // A right-button release over the hovered, focused button clicks and
    // leaves the face alone; so does one over a hovered button without focus.
    command.MouseDown(kRightButton, 0, 1, 1);
    command.MouseUp(kRightButton, 0, 1, 1);
    EXPECT_EQ(port.clicks, 2);
    command.LostFocus();
    command.MouseMove(0, 0, 1, 1);
    canvas.taken();
    command.MouseDown(kRightButton, 0, 1, 1);
    command.MouseUp(kRightButton, 0, 1, 1);
    EXPECT_EQ(port.clicks, 3);
    EXPECT_EQ(canvas.taken(), Strings{});

    // A left release while hovered without focus draws Normal but stays
    // hovered: moves do not bring HighLight back until a tick saw the cursor
    // leave.
    command.MouseDown(kLeftButton, 0, 1, 1);
    command.MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(port.clicks, 4);
    command.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"Pressed", "Normal"}));
    send(Event::TickOutside);
    command.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"Normal", "HighLight"}));

    // Focus from the keyboard while the cursor rests on the button (a tick
    // saw another window over it, which has gone): a press and release with
    // no move between click.
    send(Event::TickOutside);
    command.GotFocus();
    canvas.taken();
    command.MouseDown(kLeftButton, 0, 1, 1);
    command.MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"Pressed", "HighLightSelect"}));
    EXPECT_EQ(port.clicks, 5);

    // Tab takes the focus past the button under the resting cursor: the
    // hover stays, and a press (which brings the focus back) and release
    // click.
    command.LostFocus();
    command.GotFocus();
    command.LostFocus();
    EXPECT_EQ(canvas.taken(), (Strings{"HighLight", "Pressed", "HighLight"}));
    command.MouseDown(kLeftButton, 0, 1, 1);
    command.GotFocus();
    command.MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"Pressed", "Pressed", "HighLightSelect"}));
    EXPECT_EQ(port.clicks, 6);

    // The caption passes its events on: a move, press and release on it are
    // the control's own.
    send(Event::TickOutside);
    canvas.taken();
    command.LblMsg_MouseMove(0, 0, 1, 1);
    command.LblMsg_MouseDown(kLeftButton, 0, 1, 1);
    command.LblMsg_MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"HighLightSelect", "Pressed", "HighLightSelect"}));
    EXPECT_EQ(port.clicks, 7);
}

TEST_F(CommandTest, OnlyAnEnabledButtonTakesTheFocusFromALeftPress) {
    load();
    command.Initialize();
    EXPECT_TRUE(command.TakesFocusOnPress(kLeftButton));
    EXPECT_FALSE(command.TakesFocusOnPress(kRightButton));
    command.setEnabled(false);
    EXPECT_FALSE(command.TakesFocusOnPress(kLeftButton));
}

TEST_F(CommandTest, AClickTakesThePressAndTheReleaseOfTheSameButtonOnTheControl) {
    load();
    command.Initialize();
    command.MouseMove(0, 0, 1, 1);
    struct Case {
        const char* what;
        std::function<void()> steps;
        int clicks;
    };
    const float right = 64 * 15;  // the control is 960 twips wide, 375 high
    const Case cases[] = {
        {"press and release",
         [&] {
             command.MouseDown(kLeftButton, 0, 1, 1);
             command.MouseUp(kLeftButton, 0, 1, 1);
         },
         1},
        {"a release without a press", [&] { command.MouseUp(kLeftButton, 0, 1, 1); }, 0},
        {"a right release after a left press",
         [&] {
             command.MouseDown(kLeftButton, 0, 1, 1);
             command.MouseUp(kRightButton, 0, 1, 1);
         },
         0},
        {"...whose left release then clicks", [&] { command.MouseUp(kLeftButton, 0, 1, 1); }, 1},
        {"released right of the control",
         [&] {
             command.MouseDown(kLeftButton, 0, 1, 1);
             command.MouseUp(kLeftButton, 0, right, 1);
         },
         0},
        {"released above the control",
         [&] {
             command.MouseDown(kRightButton, 0, 1, 1);
             command.MouseUp(kRightButton, 0, 1, -15);
         },
         0},
        {"released on the last pixel",
         [&] {
             command.MouseDown(kLeftButton, 0, 1, 1);
             command.MouseUp(kLeftButton, 0, right - 15, 360);
         },
         1},
        {"released on the caption, in its coordinates",
         [&] {
             command.MouseDown(kLeftButton, 0, 1, 1);
             command.LblMsg_MouseUp(kLeftButton, 0, right - 15, 1);
         },
         1},
        {"released on the caption beyond the control",
         [&] {
             command.MouseDown(kLeftButton, 0, 1, 1);
             command.LblMsg_MouseUp(kLeftButton, 0, 1, 360);
         },
         0},
        {"the capture taken away between",
         [&] {
             command.MouseDown(kLeftButton, 0, 1, 1);
             command.CaptureLost();
             command.MouseUp(kLeftButton, 0, 1, 1);
         },
         0},
        {"one press, two releases",
         [&] {
             command.MouseDown(kRightButton, 0, 1, 1);
             command.MouseUp(kRightButton, 0, 1, 1);
             command.MouseUp(kRightButton, 0, 1, 1);
         },
         1},
    };
    EXPECT_GT(command.label().top, 0) << "the caption lies inside the control";
    for (const Case& each : cases) {
        const int before = port.clicks;
        each.steps();
        EXPECT_EQ(port.clicks - before, each.clicks) << each.what;
        EXPECT_EQ(command.buttonMode(), 2) << each.what;
    }
}

TEST_F(CommandTest, SpaceAndReturnClickTheFocusedButton) {
    load();
    command.Initialize();
    command.GotFocus();
    canvas.taken();
    command.KeyDown(kKeySpace);
    command.KeyDown(kKeySpace);  // held: the key repeats
    EXPECT_EQ(canvas.taken(), Strings{"Pressed"});
    EXPECT_EQ(port.clicks, 0) << "Space clicks when it comes up";
    command.KeyUp(kKeySpace);
    EXPECT_EQ(canvas.taken(), Strings{"Selected"});
    EXPECT_EQ(port.clicks, 1);
    command.KeyUp(kKeySpace);
    command.KeyDown(kKeyReturn);
    command.KeyDown('A');
    command.KeyUp('A');
    EXPECT_EQ(port.clicks, 2) << "a second Space up, Return, another key";
    EXPECT_EQ(command.buttonMode(), 3);

    // Hovered too: the face after Space is the hovered one.
    command.MouseMove(0, 0, 1, 1);
    command.KeyDown(kKeySpace);
    command.KeyUp(kKeySpace);
    EXPECT_EQ(canvas.taken(), (Strings{"HighLightSelect", "Pressed", "HighLightSelect"}));
    EXPECT_EQ(port.clicks, 3);

    // The focus goes while Space is held: its release clicks nothing.
    command.KeyDown(kKeySpace);
    command.LostFocus();
    command.KeyUp(kKeySpace);
    EXPECT_EQ(port.clicks, 3);

    command.GotFocus();
    command.setEnabled(false);
    canvas.taken();
    command.KeyDown(kKeySpace);
    command.KeyUp(kKeySpace);
    command.KeyDown(kKeyReturn);
    EXPECT_EQ(port.clicks, 3) << "a disabled button";
    EXPECT_EQ(canvas.taken(), Strings{});
}

TEST_F(CommandTest, BeforeInitializeHoverIsEnteredAfterAFocusChangeButNeverLeft) {
    load();
    canvas.taken();
    command.MouseMove(0, 0, 1, 1);
    command.GotFocus();
    command.LostFocus();
    command.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(canvas.taken(), (Strings{"Selected", "Normal", "HighLight"}));
    EXPECT_EQ(port.timerInterval, 0u) << "without Initialize nothing ticks to end the hover";
    command.MouseDown(kLeftButton, 0, 1, 1);
    command.MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(port.clicks, 1);
}

TEST_F(CommandTest, ReadsThatRedrawKeepTheMode) {
    load();
    command.Initialize();
    command.GotFocus();
    canvas.taken();

    EXPECT_TRUE(command.Enabled());
    EXPECT_EQ(command.FontColour(), 0u);
    EXPECT_EQ(command.Visible(), 255);
    EXPECT_EQ(canvas.taken(), (Strings{"Normal", "Normal", "Normal"}));
    EXPECT_EQ(command.buttonMode(), 3);

    command.setVisible(0);
    EXPECT_EQ(command.Visible(), 0);
    EXPECT_EQ(canvas.taken(), Strings{}) << "a transparent background is not redrawn";
    EXPECT_FALSE(command.opaque());
    command.setVisible(1);
    EXPECT_TRUE(command.opaque());
    EXPECT_EQ(canvas.taken(), Strings{"Normal"});

    command.setEnabled(false);
    EXPECT_FALSE(command.Enabled());
    EXPECT_EQ(command.FontColour(), 0u);
    EXPECT_EQ(canvas.taken(), (Strings{"Disable", "Disable"}))
        << "reading Enabled redraws Disable; RefreshFace leaves a disabled face alone";
    EXPECT_FALSE(command.label().enabled);
    EXPECT_EQ(command.buttonMode(), 3);
    command.setEnabled(true);
    EXPECT_EQ(canvas.taken(), Strings{"Normal"});
    EXPECT_TRUE(command.label().enabled);
    EXPECT_EQ(command.buttonMode(), 3);
    EXPECT_EQ(port.changes, (Strings{"Visible", "Visible", "Enabled", "Enabled"}));
}

TEST_F(CommandTest, AControlWithoutStoredPropertiesComesAliveWhenEnabledIsRead) {
    command.Resize();
    EXPECT_EQ(canvas.taken(), Strings{"Disable"});
    EXPECT_EQ(command.firstRun(), 0);
    command.GotFocus();
    command.MouseUp(kLeftButton, 0, 1, 1);
    EXPECT_EQ(port.clicks, 0) << "a new control is disabled";
    EXPECT_EQ(command.buttonMode(), 0);

    EXPECT_TRUE(command.Enabled());
    EXPECT_EQ(command.firstRun(), 1);
    EXPECT_EQ(canvas.taken(), Strings{"Normal"});
    EXPECT_EQ(command.Caption(), "Command");
    EXPECT_EQ(port.changes, Strings{}) << "the first-run rule reports nothing";
}

TEST_F(CommandTest, FontColourAndItsRecovery) {
    // Stored with FirstRun 0: every refresh sets the caption back to black.
    PropertyBag bag;
    bag.set("FirstRun", std::int32_t{0});
    command.ReadProperties(bag);
    canvas.taken();
    command.setFontColour(0x0000FF);
    EXPECT_EQ(command.label().colour, 0u);
    EXPECT_EQ(port.changes, Strings{"FontColour"});

    bag.set("FirstRun", std::int32_t{1});
    command.ReadProperties(bag);
    command.setFontColour(0x0000FF);
    EXPECT_EQ(command.label().colour, 0x0000FFu);
    canvas.taken();
    port.changes.clear();
    // A colour that the label refuses: refreshed, kept, not reported.
    command.setFontColour(0x80000012);
    EXPECT_EQ(command.label().colour, 0x0000FFu);
    EXPECT_EQ(canvas.taken(), Strings{"Normal"});
    EXPECT_EQ(port.changes, Strings{});
}

TEST_F(CommandTest, CaptionAndFontAreReportedWithoutARedraw) {
    load();
    canvas.taken();
    ButtonFont font = DialogFont();
    font.italic = true;
    command.setCaption("\x90\xdd\x92\xe8");  // 設定
    command.setFont(font);
    EXPECT_EQ(command.Caption(), "\x90\xdd\x92\xe8");
    EXPECT_EQ(command.Font(), font);
    EXPECT_EQ(canvas.taken(), Strings{});
    EXPECT_EQ(port.changes, (Strings{"Caption", "Font"}));
}

TEST_F(CommandTest, TheCaptionIsPlacedWithEveryFaceAndFollowsAResize) {
    load();
    EXPECT_FLOAT_EQ(command.label().top, 80);  // (375 - 195 - 20) / 2
    EXPECT_FLOAT_EQ(command.label().left, 0);
    EXPECT_FLOAT_EQ(command.label().width, 960);
    canvas.width = 125;
    canvas.height = 30;
    command.Initialize();
    EXPECT_FLOAT_EQ(command.label().width, 960) << "not before a face is drawn";
    command.MouseMove(0, 0, 1, 1);
    EXPECT_FLOAT_EQ(command.label().top, 117.5f);  // (450 - 195 - 20) / 2
    EXPECT_FLOAT_EQ(command.label().width, 1875);
}

}  // namespace
