// The hack's description for XScreenSaver's settings, as the build installs
// it: every switch its sliders and menus pass is one the hack takes, and each
// one of the look changes the picture the hack paints; its help lists them.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "hack_options.h"
#include "offscreen_surface.h"
#include "painting.h"
#include "painting_look.h"
#include "view_fit.h"

namespace {

std::string readFile(const char* path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The command line one setting of the description adds: a slider's switch
// with a value, or a menu item's switches.
struct XmlChoice {
    std::string what;
    std::vector<std::string> args;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> split;
    for (std::string word; in >> word;) {
        split.push_back(word);
    }
    return split;
}

// Each slider at its lowest and its highest, each menu item that passes a
// switch.
std::vector<XmlChoice> choicesOf(const std::string& xml) {
    std::vector<XmlChoice> choices;
    const std::regex number(
        R"re(<number id="(\w+)"[^>]*arg="([^"%]+)%"[^>]*low="(\d+)" high="(\d+)" default="(\d+)")re");
    for (std::sregex_iterator at(xml.begin(), xml.end(), number), end; at != end; ++at) {
        const std::smatch& m = *at;
        for (const std::string& value : {m[3].str(), m[4].str()}) {
            std::vector<std::string> args = words(m[2].str());
            args.push_back(value);
            choices.push_back({m[1].str() + "=" + value, args});
        }
    }
    const std::regex option(R"re(<option id="([\w-]+)"[^>]*arg-set="([^"]+)")re");
    for (std::sregex_iterator at(xml.begin(), xml.end(), option), end; at != end; ++at) {
        choices.push_back({(*at)[1].str(), words((*at)[2].str())});
    }
    const std::regex boolean(R"re(<boolean id="(\w+)"[^>]*arg-set="([^"]+)")re");
    for (std::sregex_iterator at(xml.begin(), xml.end(), boolean), end; at != end; ++at) {
        choices.push_back({(*at)[1].str(), words((*at)[2].str())});
    }
    return choices;
}

bool parse(const std::vector<std::string>& args, HackOptions& options, std::string& error) {
    std::vector<const char*> argv{"velmora", "--root"};
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    return parseHackOptions(static_cast<int>(argv.size()), argv.data(), nullptr, options, error);
}

// A few frames of a look, small, from a fixed seed: the screen in miniature.
std::vector<std::uint8_t> picture(const PaintingLook& look) {
    OffscreenSurface surface(192, 108);
    Painting painting(surface, settingsForLook(look));
    painting.setSizeScale(miniatureSizeScale(108, 1080));
    painting.initGraphics(77);
    for (int frame = 0; frame < 40; ++frame) {
        painting.drawFrame();
    }
    std::vector<std::uint8_t> rgb = surface.picture().rgb;
    painting.releaseGraphics();
    return rgb;
}

TEST(HackDescription, EverySwitchIsTakenAndEveryLookSwitchChangesThePicture) {
    const std::string xml = readFile(VELMORA_HACK_XML);
    ASSERT_NE(xml.find("<screensaver name=\"velmora\""), std::string::npos) << VELMORA_HACK_XML;
    const std::vector<XmlChoice> choices = choicesOf(xml);

    HackOptions plain;
    std::string error;
    ASSERT_TRUE(parse({}, plain, error)) << error;
    const std::vector<std::uint8_t> designed = picture(lookOfOptions(plain, 1));

    std::set<std::string> switches;
    for (const XmlChoice& choice : choices) {
        SCOPED_TRACE(choice.what);
        HackOptions options;
        ASSERT_TRUE(parse(choice.args, options, error)) << error;
        switches.insert(choice.args.front());
        if (choice.what == "showfps") {
            EXPECT_TRUE(options.showFps);
            continue;
        }
        if (choice.what.rfind("delay=", 0) == 0) {
            EXPECT_NE(frameStepSeconds(options), frameStepSeconds(plain));
            continue;
        }
        if (choice.what == "random") {
            // A preset drawn at every start: the second decides.
            std::set<int> presets;
            for (std::uint32_t second = 0; second < 20; ++second) {
                presets.insert(presetOf(lookOfOptions(options, second)));
            }
            EXPECT_GT(presets.size(), 1u);
            EXPECT_EQ(presets.count(-1), 0u);
            continue;
        }
        const PaintingLook look = lookOfOptions(options, 1);
        EXPECT_NE(look, PaintingLook{});
        EXPECT_NE(picture(look), designed);
    }
    // Every slider and both menus, the frame rate and its display.
    for (const char* expected : {"--delay", "--fps", "--preset", "--draw-mode", "--amount",
                                 "--size", "--speed", "--trail", "--flows"}) {
        EXPECT_EQ(switches.count(expected), 1u) << expected << " is in no setting";
    }
    EXPECT_EQ(choices.size(), 2u * 6 + 6 + 1) << "six sliders at both ends, six menu items, a box";
}

TEST(HackOptions, ThePresetAndTheSettingsGivenCombineAndTheHelpNamesThem) {
    HackOptions options;
    std::string error;
    ASSERT_TRUE(
        parse({"-preset", "calm-lines", "--speed", "200", "-draw-mode", "sprites"}, options, error))
        << error;
    PaintingLook expected = kPresets[1].look;
    expected.speed = 200;
    expected.drawMode = kDrawSprites;
    EXPECT_EQ(lookOfOptions(options, 5), expected);

    const std::pair<std::vector<std::string>, const char*> bad[] = {
        {{"-preset", "calm"}, "no preset named 'calm'"},
        {{"-draw-mode", "1"}, "-draw-mode wants sprites, points or lines, not '1'"},
        {{"--size", "301"}, "--size wants a whole number from 20 to 300, not '301'"},
        {{"-trail", " 5"}, "-trail wants a whole number from 0 to 100, not ' 5'"},
        {{"-flows"}, "-flows needs a value"},
    };
    for (const auto& [args, message] : bad) {
        EXPECT_FALSE(parse(args, options, error));
        EXPECT_EQ(error, message);
    }

    const std::string help = kHackUsage;
    for (const LookSetting setting : kLookSettings) {
        EXPECT_NE(help.find(std::string("  ") + switchOf(setting) + " "), std::string::npos)
            << switchOf(setting);
    }
    for (const Preset& preset : kPresets) {
        EXPECT_NE(help.find(preset.name), std::string::npos) << preset.name;
    }
}

}  // namespace
