#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "flow_set.h"
#include "painting_keys.h"
#include "painting_look.h"

namespace {

// The painting's own rules hold, within every setting's range.
void ExpectPaintable(const PaintingLook& look, const std::string& what) {
    for (const LookSetting setting : kLookSettings) {
        EXPECT_TRUE(inRange(setting, look[setting])) << what << ": " << keyOf(setting);
    }
    const RendererSettings settings = settingsForLook(look);
    EXPECT_GE(settings.emitterCount, 1) << what;
    EXPECT_EQ(settings.particleCount, settings.emitterCount * 20) << what << ": lifetime";
    EXPECT_NE(settings.particleSpeed, 0) << what;
    EXPECT_GT(settings.particleSize, 0) << what;
    EXPECT_GT(trailAlpha(settings), 0.0f) << what << ": the trail still fades";
}

TEST(PaintingLook, TheDesignedLookIsTheDesignedSettingsAndEveryLookKeepsTheRules) {
    EXPECT_EQ(settingsText(settingsForLook(PaintingLook{})), settingsText(RendererSettings{}));
    EXPECT_EQ(kPresets[0].look, PaintingLook{}) << "the designed look comes first";
    std::set<std::string> names;
    for (const Preset& preset : kPresets) {
        ExpectPaintable(preset.look, preset.name);
        EXPECT_EQ(presetNamed(preset.name), presetOf(preset.look)) << preset.name;
        names.insert(preset.name);
        // The dialog lists each range's steps; a preset off them would leave
        // a list empty.
        for (const LookSetting setting : kLookSettings) {
            EXPECT_EQ((preset.look[setting] - rangeOf(setting).lowest) % rangeOf(setting).step, 0)
                << preset.name << ": " << keyOf(setting);
        }
    }
    EXPECT_EQ(names.size(), kPresets.size());

    PaintingLook lowest, highest;
    for (const LookSetting setting : kLookSettings) {
        lowest[setting] = rangeOf(setting).lowest;
        highest[setting] = rangeOf(setting).highest;
    }
    ExpectPaintable(lowest, "all lowest");
    ExpectPaintable(highest, "all highest");

    // Shares of the designed 60 emitters, size 15 and speeds 20 and 4.
    const PaintingLook look{kDrawLines, 150, 140, 50, 60, 5};
    EXPECT_EQ(settingsText(settingsForLook(look)),
              "draw mode 2, flows 5, emitters 90, particles 1800, size 21, emitter speed 10, "
              "particle speed 2, oscillator rate 100, trail 60");
    const RendererSettings least = settingsForLook(lowest);
    EXPECT_EQ(least.emitterCount, 6);
    EXPECT_EQ(least.particleSize, 3);
    EXPECT_EQ(least.emitterSpeed, 5);
    EXPECT_EQ(least.particleSpeed, 1);
}

TEST(PaintingLook, EveryPresetStepsAThousandFramesWithoutLosingANumber) {
    for (const Preset& preset : kPresets) {
        FlowSet flows(settingsForLook(preset.look));
        flows.seed(12345);
        flows.create();
        for (int frame = 0; frame < 1000; ++frame) {
            flows.step([](const Flow&) {});
        }
        for (const Flow& flow : flows.flows()) {
            for (std::size_t j = 0; j < flow.particles.size(); ++j) {
                const Particle p = flow.particles.get(j);
                for (const float value : {p.x, p.y, p.z, p.r, p.g, p.b}) {
                    ASSERT_TRUE(std::isfinite(value)) << preset.name << " particle " << j;
                }
            }
        }
    }
}

TEST(PaintingLook, ARandomPresetIsDrawnFromTheSecondOfTheRun) {
    std::set<int> drawn;
    PaintingChoice choice;
    choice.look.flows = 6;  // not painted while a preset is drawn
    for (std::uint32_t second = 1700000000; second < 1700000040; ++second) {
        choice.randomPreset = true;
        const int preset = presetForRun(second);
        ASSERT_TRUE(preset >= 0 && preset < kPresetCount);
        drawn.insert(preset);
        EXPECT_EQ(lookForRun(choice, second), kPresets[static_cast<std::size_t>(preset)].look);
        choice.randomPreset = false;
        EXPECT_EQ(lookForRun(choice, second).flows, 6);
    }
    EXPECT_EQ(drawn.size(), kPresets.size()) << "forty seconds of runs meet every preset";
}

TEST(PaintingKeys, EachKeyReadsAsChosenOrFallsBackAloneToTheDesignedValue) {
    // For each key: a value in its range, one beyond it, and one that is no
    // whole number; each read while every other key holds a value of its own.
    const struct {
        LookSetting setting;
        const char* inRange;
        int value;
        const char* outOfRange;
        const char* garbage;
    } cases[] = {
        {LookSetting::kDrawMode, " 2", 2, "3", "lines"},
        {LookSetting::kAmount, "10", 10, "201", "1.5e2"},
        {LookSetting::kSize, "+300", 300, "19", ""},
        {LookSetting::kSpeed, "25 ", 25, "0", "99999999999999999999"},
        {LookSetting::kTrail, "0", 0, "101", "6 0"},
        {LookSetting::kFlows, "6", 6, "-1", "3.0"},
    };
    const PaintingLook others{kDrawSprites, 50, 60, 75, 40, 2};
    for (const auto& c : cases) {
        const std::string key = keyOf(c.setting);
        for (const char* text :
             {static_cast<const char*>(nullptr), c.inRange, c.outOfRange, c.garbage}) {
            SCOPED_TRACE(key + "=" + (text != nullptr ? text : "(absent)"));
            std::map<std::string, std::string> file;
            for (const auto& [name, value] : paintingChoiceValues({others, false})) {
                file[name] = std::to_string(value);
            }
            file.erase(key);
            if (text != nullptr) {
                file[key] = text;
            }
            const PaintingChoice read = readPaintingChoice(
                [&](const char* name) { return file.count(name) ? file[name] : std::string(); });
            PaintingLook expected = others;
            expected[c.setting] = text == c.inRange ? c.value : rangeOf(c.setting).designed;
            EXPECT_EQ(read.look, expected);
            EXPECT_FALSE(read.randomPreset);
        }
    }
    // Only 1 asks for a random preset.
    for (const auto& [text, random] : {std::pair{" 1", true}, {"2", false}, {"yes", false}}) {
        const PaintingChoice read = readPaintingChoice([&](const char* name) {
            return std::string(name) == kKeyRandomPreset ? std::string(text) : std::string();
        });
        EXPECT_EQ(read.randomPreset, random) << text;
        EXPECT_EQ(read.look, PaintingLook{});
    }
}

}  // namespace
