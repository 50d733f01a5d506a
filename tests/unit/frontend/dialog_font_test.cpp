#include <gtest/gtest.h>

#include <set>
#include <string>

#include "command_texts.h"
#include "dialog_font.h"

namespace {

class FakeFontCatalog : public FontCatalog {
  public:
    bool installed(const std::string& name) override { return faces.count(name) != 0; }
    std::string messageFontName() override { return "Segoe UI"; }
    std::set<std::string> faces;
};

TEST(ScreenFont, JapaneseTakesTheDesignedFaceElseAStandInElseTheMessageFont) {
    struct Case {
        ScreenLanguage language;
        std::set<std::string> faces;
        std::string expected;
    };
    const Case cases[] = {
        {ScreenLanguage::kJapanese, {kDialogFontName, "Yu Gothic UI", "Segoe UI"}, kDialogFontName},
        {ScreenLanguage::kJapanese, {"MS UI Gothic", "Meiryo UI", "Segoe UI"}, "Meiryo UI"},
        {ScreenLanguage::kJapanese, {"MS UI Gothic"}, "MS UI Gothic"},
        {ScreenLanguage::kJapanese, {"Yu Gothic UI", "Meiryo UI"}, "Yu Gothic UI"},
        {ScreenLanguage::kJapanese, {"Tahoma"}, "Segoe UI"},
        // English never takes a Japanese face, not even the designed one.
        {ScreenLanguage::kEnglish, {kDialogFontName, "Yu Gothic UI"}, "Segoe UI"},
    };
    for (const Case& c : cases) {
        FakeFontCatalog catalog;
        catalog.faces = c.faces;
        const ButtonFont font = ScreenFont(c.language, catalog);
        EXPECT_EQ(font.name, c.expected);
        // The layout was designed for this size and weight, whatever the face.
        EXPECT_EQ(font.size, 9.75);
        EXPECT_EQ(font.weight, 400);
        EXPECT_FALSE(font.italic || font.underline || font.strikethrough);
        if (c.expected == kDialogFontName) {
            EXPECT_EQ(font, DialogFont()) << "the designed font stays exactly as it was";
        }
    }
}

}  // namespace
