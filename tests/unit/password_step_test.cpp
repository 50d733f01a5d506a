#include "password_step.h"

#include <gtest/gtest.h>

#include "fake_password_port.h"

namespace {

int windowTag = 0;
WindowHandle const kWindow = &windowTag;

TEST(PasswordStep, WindowsNineFamilyAsksBetweenTheTwoRunningCallsUntilAccepted) {
    FakePasswordPort port;
    port.answers = {false, true};
    SaverState state;
    bool flagDuringDialog = false;
    port.whileDialogOpen = [&] { flagDuringDialog = state.inPasswordDialog; };

    EXPECT_FALSE(verifyPassword(port, kWindow, state));
    EXPECT_TRUE(flagDuringDialog);
    EXPECT_FALSE(state.inPasswordDialog);
    const std::vector<std::string> oneAsk = {"version",
                                             "load PASSWORD.CPL",
                                             "find VerifyScreenSavePwd",
                                             "running on",
                                             "dialog",
                                             "running off",
                                             "free"};
    EXPECT_EQ(port.calls, oneAsk);
    EXPECT_EQ(port.dialogOwner, kWindow);

    port.calls.clear();
    flagDuringDialog = false;
    EXPECT_TRUE(verifyPassword(port, kWindow, state));
    EXPECT_TRUE(flagDuringDialog);
    EXPECT_FALSE(state.inPasswordDialog);
    EXPECT_EQ(port.calls, oneAsk);
}

TEST(PasswordStep, OtherFamiliesCloseWithoutTouchingTheLibrary) {
    for (std::uint32_t platform : {0u, 2u, 3u}) {
        FakePasswordPort port;
        port.platform = platform;
        SaverState state;
        EXPECT_TRUE(verifyPassword(port, kWindow, state)) << platform;
        EXPECT_EQ(port.calls, std::vector<std::string>{"version"}) << platform;
        EXPECT_EQ(port.dialogs, 0);
    }
}

TEST(PasswordStep, MissingLibraryOrExportNeedsNoPassword) {
    FakePasswordPort noLibrary;
    noLibrary.libraryPresent = false;
    noLibrary.answers = {false};
    SaverState state;
    EXPECT_TRUE(verifyPassword(noLibrary, kWindow, state));
    EXPECT_EQ(noLibrary.calls, (std::vector<std::string>{"version", "load PASSWORD.CPL"}));

    FakePasswordPort noExport;
    noExport.exportPresent = false;
    noExport.answers = {false};
    EXPECT_TRUE(verifyPassword(noExport, kWindow, state));
    // The library is given back; the running flag is never touched.
    EXPECT_EQ(noExport.calls, (std::vector<std::string>{"version", "load PASSWORD.CPL",
                                                        "find VerifyScreenSavePwd", "free"}));
    EXPECT_FALSE(state.inPasswordDialog);
}

}  // namespace
