#include <gtest/gtest.h>

#include <string>

#include "command.h"
#include "fake_button_ports.h"
#include "property_sets_text.h"

namespace {

using Strings = std::vector<std::string>;

Strings Keys(const PropertyBag& bag) {
    Strings keys;
    for (const PropertyBag::Entry& entry : bag.entries()) {
        keys.push_back(entry.first);
    }
    return keys;
}

TEST(PropertyStore, ReadsGiveTheDefaultWhenAbsentAndWritesOfTheDefaultStoreNothing) {
    PropertyBag bag;
    EXPECT_EQ(bag.ReadProperty("FirstRun", std::string("1")), PropertyValue(std::string("1")));
    // The default text is converted to the value's type before comparing.
    bag.WriteProperty("FirstRun", std::int32_t{1}, std::string("1"));
    bag.WriteProperty("Enabled", true, true);
    bag.WriteProperty("Caption", std::string("Command"), std::string("Command"));
    EXPECT_TRUE(bag.entries().empty());

    bag.WriteProperty("FirstRun", std::int32_t{0}, std::string("1"));
    bag.WriteProperty("Caption", std::string("OK"), std::string("Command"));
    EXPECT_EQ(Keys(bag), (Strings{"FirstRun", "Caption"}));
    EXPECT_EQ(bag.ReadProperty("FirstRun", std::string("1")), PropertyValue(std::int32_t{0}));
    // Writing the default again forgets the key.
    bag.WriteProperty("FirstRun", std::int32_t{1}, std::string("1"));
    EXPECT_EQ(Keys(bag), Strings{"Caption"});

    EXPECT_EQ(BooleanFrom(std::string("true")), true);
    EXPECT_EQ(BooleanFrom(std::string("0")), false);
    EXPECT_EQ(BooleanFrom(std::string("maybe")), std::nullopt);
    EXPECT_EQ(IntegerFrom(true, -32768, 32767), -1);
    EXPECT_EQ(IntegerFrom(std::string(" 255 "), 0, 255), 255);
    EXPECT_EQ(IntegerFrom(std::string("256"), 0, 255), std::nullopt);
    EXPECT_EQ(TextFrom(DialogFont()), std::nullopt);
}

class PropertySetTest : public ::testing::Test {
  protected:
    FakeCommandPort port;
    RecordingCanvas canvas;
};

TEST_F(PropertySetTest, ACaptionOfExactlyCommandIsWrittenAsAbsentAndReadsBackAsCommand1) {
    Command first(port, canvas);
    first.ReadProperties(PropertyBag{});
    EXPECT_EQ(first.Caption(), "Command1");
    first.setCaption("Command");
    PropertyBag bag;
    first.WriteProperties(bag);
    EXPECT_TRUE(bag.entries().empty()) << WritePropertySets({{"Cmd", bag}});

    Command second(port, canvas);
    second.ReadProperties(bag);
    EXPECT_EQ(second.Caption(), "Command1");
    EXPECT_TRUE(second.Enabled());
    EXPECT_EQ(second.firstRun(), 1);
}

TEST_F(PropertySetTest, EveryPropertySurvivesTheTextBlockInTheDefinedOrder) {
    Command written(port, canvas);
    written.ReadProperties(PropertyBag{});
    ButtonFont font = DialogFont();
    font.size = 12;
    font.weight = 700;
    font.underline = true;
    written.setCaption("\x83\x5c\x83\x74\x83\x67 \"100%\"");  // ソフト "100%"
    written.setFont(font);
    written.setFontColour(0x123456);
    written.setVisible(0);
    written.setEnabled(false);
    PropertyBag bag;
    written.WriteProperties(bag);
    EXPECT_EQ(Keys(bag), (Strings{"Enabled", "Caption", "Font", "FontColour", "Visible"}));

    const std::string text = WritePropertySets({{"Cmd_Set", bag}});
    // Japanese text stays readable: ソ keeps its second byte, a backslash.
    EXPECT_NE(text.find("Caption = \"\x83\x5c\x83\x74\x83\x67 %22100%25%22\""), std::string::npos)
        << text;
    const PropertySetsReading reading = ReadPropertySets(text);
    ASSERT_EQ(reading.problems, Strings{});
    const PropertyBag* read = FindPropertySet(reading.sets, "Cmd_Set");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(*read, bag);

    Command loaded(port, canvas);
    loaded.ReadProperties(*read);
    EXPECT_EQ(loaded.Caption(), written.Caption());
    EXPECT_EQ(loaded.Font(), font);
    EXPECT_EQ(loaded.label().colour, 0x123456u);
    EXPECT_FALSE(loaded.opaque());
    EXPECT_FALSE(loaded.Enabled());
}

TEST_F(PropertySetTest, AStoredValueThatDoesNotFitIsSkippedAndTheOthersAreRead) {
    Command command(port, canvas);
    command.ReadProperties(PropertyBag{});
    command.setFontColour(0x00FF00);
    const PropertySetsReading reading = ReadPropertySets(
        "[Cmd]\n"
        "Enabled = \"maybe\"\n"
        "FirstRun = 300\n"
        "FontColour = -2147483630\n"  // 0x80000012, a system colour
        "Visible = 2\n"
        "Font = 9\n"
        "Caption = \"OK\"\n");
    ASSERT_EQ(reading.problems, Strings{});
    command.ReadProperties(reading.sets.at(0).properties);
    EXPECT_EQ(command.Caption(), "OK");
    EXPECT_TRUE(command.Enabled());
    EXPECT_EQ(command.firstRun(), 1);
    EXPECT_EQ(command.label().colour, 0x00FF00u);
    EXPECT_TRUE(command.opaque());
    EXPECT_EQ(command.Font(), DialogFont());
}

TEST_F(PropertySetTest, ReadingAndWritingEndWithARefreshOfTheFace) {
    // Stored with FirstRun 0 and a red caption: the refresh at the end of
    // the reading draws Normal and sets the caption back to black.
    PropertyBag stored;
    stored.set("FirstRun", std::int32_t{0});
    stored.set("FontColour", std::int32_t{0x0000FF});
    Command command(port, canvas);
    command.ReadProperties(stored);
    EXPECT_EQ(canvas.taken(), Strings{"Normal"});
    EXPECT_EQ(command.label().colour, 0u);
    EXPECT_TRUE(command.label().enabled);

    // Hovered and focused, the face is another; writing ends with Normal,
    // the mode unchanged.
    command.Initialize();
    command.GotFocus();
    command.MouseMove(0, 0, 1, 1);
    canvas.taken();
    PropertyBag bag;
    command.WriteProperties(bag);
    EXPECT_EQ(canvas.taken(), Strings{"Normal"});
    EXPECT_EQ(command.buttonMode(), 4);

    // Disabled: neither draws, and the caption keeps its colour.
    PropertyBag disabled;
    disabled.set("Enabled", false);
    disabled.set("FontColour", std::int32_t{0x00FF00});
    Command grey(port, canvas);
    canvas.taken();
    grey.ReadProperties(disabled);
    grey.WriteProperties(bag);
    EXPECT_EQ(canvas.taken(), Strings{});
    EXPECT_EQ(grey.label().colour, 0x00FF00u);
}

TEST(PropertySetsText, ReadsBlocksCommentsAndEveryKindOfValueAndNamesBadLines) {
    const PropertySetsReading reading = ReadPropertySets(
        "; the buttons of a window\r\n"
        "Orphan = 1\r\n"
        "[Cmd_One]\r\n"
        "  Caption   =  \"%90%DD%92%E8\"  \r\n"
        "Enabled = false\r\n"
        "FontColour = +255\r\n"
        "\r\n"
        "# another block\r\n"
        "[Cmd_Two]\n"
        "Font = \"Arial\" 8.25pt weight 700 charset 0 italic strikethrough\n"
        "Caption = \"open\n"
        "Size = 12px\n"
        "Font = \"Arial\" weight 400\n"
        "[Cmd Three]\n"
        "no equals sign\n");
    EXPECT_EQ(
        reading.problems,
        (Strings{"line 2: a property outside any [control] block",
                 "line 11: cannot read the value of Caption",
                 "line 12: cannot read the value of Size", "line 13: cannot read the value of Font",
                 "line 14: a control's name in [ ] should be letters, digits and _",
                 "line 15: expected Key = value"}));
    ASSERT_EQ(reading.sets.size(), 2u);
    const PropertyBag& one = reading.sets[0].properties;
    EXPECT_EQ(reading.sets[0].control, "Cmd_One");
    EXPECT_EQ(one.ReadProperty("Caption", false), PropertyValue(std::string("\x90\xdd\x92\xe8")));
    EXPECT_EQ(one.ReadProperty("Enabled", true), PropertyValue(false));
    EXPECT_EQ(one.ReadProperty("FontColour", 0), PropertyValue(std::int32_t{255}));

    ButtonFont arial;
    arial.name = "Arial";
    arial.size = 8.25;
    arial.weight = 700;
    arial.italic = true;
    arial.strikethrough = true;
    EXPECT_EQ(reading.sets[1].properties.ReadProperty("Font", false), PropertyValue(arial));
    EXPECT_EQ(WritePropertySets(reading.sets),
              "[Cmd_One]\n"
              "Caption = \"\x90\xdd\x92\xe8\"\n"
              "Enabled = False\n"
              "FontColour = 255\n"
              "\n"
              "[Cmd_Two]\n"
              "Font = \"Arial\" 8.25pt weight 700 charset 0 italic strikethrough\n");
}

TEST(PropertySetsText, AFontSizeMustBeOneAFontCanHave) {
    struct Case {
        const char* size;
        bool read;
    };
    const Case cases[] = {
        {"9.75pt", true},  {"1638pt", true},      {"1pt", true},       {"infpt", false},
        {"INFpt", false},  {"infinitypt", false}, {"nanpt", false},    {"1e999pt", false},
        {"1639pt", false}, {"-9pt", false},       {"0pt", false},      {"pt", false},
        {"9.75", false},   {"1e308pt", false},    {"1e-320pt", false}, {"0.5pt", false},
    };
    for (const Case& c : cases) {
        const PropertySetsReading reading =
            ReadPropertySets(std::string("[Cmd]\nFont = \"Arial\" ") + c.size + "\n");
        ASSERT_EQ(reading.sets.size(), 1u);
        const bool read = reading.sets[0].properties.entries().size() == 1;
        EXPECT_EQ(read, c.read) << c.size;
        EXPECT_EQ(reading.problems.empty(), c.read) << c.size;
    }
}

}  // namespace
