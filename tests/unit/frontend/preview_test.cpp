#include <gtest/gtest.h>

#include "fake_startup_platform.h"
#include "preview.h"

namespace {

TEST(Preview, BecomesAChildThatFillsTheHostInTheDefinedOrder) {
    FakePreview port;
    port.host = 1234;
    port.hostRect = WindowRect{100, 50, 252, 162};  // the usual 152 x 112
    port.style = 0x86000000;                        // pop-up, clip children, ...
    EXPECT_TRUE(SetUpPreview(port, 1234));
    EXPECT_EQ(port.calls,
              (std::vector<std::string>{"GetWindowRect 1234", "Create hidden", "GetStyle",
                                        "SetStyle", "SetParent 1234", "Move window 0,0 152x112",
                                        "Move picture 0,0 152x112", "Show"}));
    // Only the child bit is added; nothing is taken away.
    EXPECT_EQ(port.style, 0x86000000u | 0x40000000u);
}

TEST(Preview, TakesTheHostsOuterSizeWhateverItIs) {
    FakePreview port;
    port.host = -5;
    port.hostRect = WindowRect{-20, -10, 380, 290};
    EXPECT_TRUE(SetUpPreview(port, -5));
    EXPECT_EQ(port.calls[5], "Move window 0,0 400x300");
    EXPECT_EQ(port.calls[6], "Move picture 0,0 400x300");

    // A rectangle the wrong way round gives no size rather than a negative one.
    port.calls.clear();
    port.hostRect = WindowRect{INT32_MAX, 10, INT32_MIN, 5};
    EXPECT_TRUE(SetUpPreview(port, -5));
    EXPECT_EQ(port.calls[5], "Move window 0,0 0x0");
}

TEST(Preview, NoWindowIsMadeForAHandleThatNamesNone) {
    FakePreview port;
    port.host = 1234;
    port.hostRect = WindowRect{0, 0, 152, 112};
    EXPECT_FALSE(SetUpPreview(port, 0));
    EXPECT_FALSE(SetUpPreview(port, 4321));
    EXPECT_EQ(port.calls, (std::vector<std::string>{"GetWindowRect 0", "GetWindowRect 4321"}));

    port.calls.clear();
    port.canCreate = false;
    EXPECT_FALSE(SetUpPreview(port, 1234));
    EXPECT_EQ(port.calls, (std::vector<std::string>{"GetWindowRect 1234", "Create hidden"}));
}

}  // namespace
