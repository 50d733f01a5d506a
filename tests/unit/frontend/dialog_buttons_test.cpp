#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../button/fake_button_ports.h"
#include "command.h"
#include "property_sets_text.h"
#include "texts.h"

namespace {

std::string ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The settings dialog's buttons as the real control loads them from the
// property sets that Velmora.scr carries.
TEST(SettingsDialogButtons, TheStoredSetsLoadTheSixCaptionsEnabledInTheDialogFont) {
    const PropertySetsReading stored = ReadPropertySets(ReadFile(VELMORA_DIALOG_BUTTONS));
    EXPECT_TRUE(stored.problems.empty()) << stored.problems.front();
    ASSERT_EQ(stored.sets.size(), 6u);

    const std::pair<const char*, const char*> buttons[] = {
        {"Cmd_BGM", "..."},
        {"Cmd_Etc", kCaptionOtherWorks},
        {"Cmd_Set", kCaptionSet},
        {"Cmd_Can", kCaptionCancel},
        {"Cmd_Page0", kCaptionToMusic},
        {"Cmd_Page1", kCaptionToPainting},
    };
    for (const auto& [name, caption] : buttons) {
        SCOPED_TRACE(name);
        const PropertyBag* set = FindPropertySet(stored.sets, name);
        ASSERT_NE(set, nullptr);
        FakeCommandPort port;
        RecordingCanvas canvas;
        Command button(port, canvas);
        button.ReadProperties(*set);
        EXPECT_EQ(button.Caption(), caption);
        EXPECT_EQ(button.Font(), DialogFont());
        EXPECT_EQ(button.FontColour(), 0u);
        EXPECT_TRUE(button.opaque());
        EXPECT_TRUE(button.Enabled());
        EXPECT_EQ(button.firstRun(), 1) << "a stored button needs no first-run set-up";
    }
}

}  // namespace
