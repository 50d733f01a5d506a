#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "flow_set.h"
#include "painting_keys.h"
#include "painting_look.h"

namespace {

// The painting's own rules, and a look within every range.
void ExpectPaintable(const PaintingLook& look, const std::string& what) {
    for (const LookSetting setting : kLookSettings) {
        EXPECT_TRUE(inRange(setting, look[setting])) << what << ": " << keyOf(setting);
    }
    const RendererSettings settings = settingsForLook(look);
    EXPECT_GE(settings.flowCount, 1) << what;
    EXPECT_GE(settings.emitterCount, 1) << what;
    EXPECT_LE(settings.emitterCount, settings.particleCount) << what;
    EXPECT_EQ(settings.particleCount, settings.emitterCount * 20) << what << ": lifetime";
    EXPECT_NE(settings.particleSpeed, 0) << what;
    EXPECT_GT(settings.particleSize, 0) << what;
    EXPECT_GE(settings.trailStrength, 0) << what;
    EXPECT_GT(trailAlpha(settings), 0.0f) << what << ": the trail still fades";
}

TEST(PaintingLook, TheDesignedLookIsTheDesignedSettingsAndEveryPresetKeepsTheRules) {
    const RendererSettings designed = settingsForLook(PaintingLook{});
    const RendererSettings fixed{};
    EXPECT_EQ(settingsText(designed), settingsText(fixed));
    EXPECT_EQ(kPresets[0].look, PaintingLook{}) << "the designed look comes first";

    std::set<std::string> names;
    for (const Preset& preset : kPresets) {
        ExpectPaintable(preset.look, preset.name);
        EXPECT_EQ(presetNamed(preset.name), presetOf(preset.look)) << preset.name;
        names.insert(preset.name);
        // The dialog lists the steps of each range; a preset off them would
        // show an empty list.
        for (const LookSetting setting : kLookSettings) {
            const LookRange& range = rangeOf(setting);
            EXPECT_EQ((preset.look[setting] - range.lowest) % range.step, 0)
                << preset.name << ": " << keyOf(setting);
        }
    }
    EXPECT_EQ(names.size(), kPresets.size()) << "names differ";
    EXPECT_EQ(presetNamed("no-such-preset"), -1);

    // The ends of every range, alone and all together.
    PaintingLook lowest, highest;
    for (const LookSetting setting : kLookSettings) {
        lowest[setting] = rangeOf(setting).lowest;
        highest[setting] = rangeOf(setting).highest;
        for (const bool low : {true, false}) {
            PaintingLook one;
            one[setting] = low ? lowest[setting] : highest[setting];
            ExpectPaintable(one, std::string(keyOf(setting)) + (low ? " lowest" : " highest"));
        }
    }
    ExpectPaintable(lowest, "all lowest");
    ExpectPaintable(highest, "all highest");
    EXPECT_EQ(presetOf(lowest), -1);
}

TEST(PaintingLook, AmountsAreSharesOfTheDesignedSettings) {
    PaintingLook look;
    look.amount = 150;
    look.size = 140;
    look.speed = 50;
    look.trail = 60;
    look.flows = 5;
    look.drawMode = kDrawLines;
    EXPECT_EQ(settingsText(settingsForLook(look)),
              "draw mode 2, flows 5, emitters 90, particles 1800, size 21, emitter speed 10, "
              "particle speed 2, oscillator rate 100, trail 60");
    // The least speed and amount still move and emit.
    look.speed = 25;
    look.amount = 10;
    look.size = 20;
    const RendererSettings least = settingsForLook(look);
    EXPECT_EQ(least.particleSpeed, 1);
    EXPECT_EQ(least.emitterSpeed, 5);
    EXPECT_EQ(least.emitterCount, 6);
    EXPECT_EQ(least.particleSize, 3);
}

TEST(PaintingLook, EveryPresetStepsAThousandFramesWithoutLosingANumber) {
    for (const Preset& preset : kPresets) {
        FlowSet flows(settingsForLook(preset.look));
        flows.seed(12345);
        flows.create();
        for (int frame = 0; frame < 1000; ++frame) {
            flows.step([](const Flow&) {});
        }
        std::size_t checked = 0;
        for (const Flow& flow : flows.flows()) {
            for (std::size_t j = 0; j < flow.particles.size(); ++j) {
                const Particle p = flow.particles.get(j);
                for (const float value : {p.x, p.y, p.z, p.r, p.g, p.b}) {
                    ASSERT_TRUE(std::isfinite(value)) << preset.name << " particle " << j;
                }
                ASSERT_LE(std::max({p.r, p.g, p.b}), 1.0f) << preset.name;
                ++checked;
            }
        }
        EXPECT_EQ(checked, static_cast<std::size_t>(settingsForLook(preset.look).particleCount *
                                                    preset.look.flows))
            << preset.name;
    }
}

TEST(PaintingLook, ARandomPresetIsDrawnFromTheSecondOfTheRun) {
    std::set<int> drawn;
    for (std::uint32_t seed = 1700000000; seed < 1700000040; ++seed) {
        const int preset = presetForRun(seed);
        ASSERT_GE(preset, 0);
        ASSERT_LT(preset, kPresetCount);
        drawn.insert(preset);
        PaintingChoice choice;
        choice.randomPreset = true;
        choice.look.flows = 6;  // not used while a preset is drawn
        EXPECT_EQ(lookForRun(choice, seed), kPresets[static_cast<std::size_t>(preset)].look);
        choice.randomPreset = false;
        EXPECT_EQ(lookForRun(choice, seed).flows, 6);
    }
    EXPECT_EQ(drawn.size(), kPresets.size()) << "forty seconds of runs meet every preset";
}

TEST(PaintingKeys, EachKeyReadsAsChosenOrFallsBackAloneToTheDesignedValue) {
    struct Case {
        const char* key;
        const char* text;  // nullptr: the key is absent
        LookSetting setting;
        int value;
    };
    const Case cases[] = {
        {"DrawMode", nullptr, LookSetting::kDrawMode, 1},
        {"DrawMode", " 0", LookSetting::kDrawMode, 0},
        {"DrawMode", "2", LookSetting::kDrawMode, 2},
        {"DrawMode", "3", LookSetting::kDrawMode, 1},
        {"DrawMode", "lines", LookSetting::kDrawMode, 1},
        {"Amount", "10", LookSetting::kAmount, 10},
        {"Amount", " 200 ", LookSetting::kAmount, 200},
        {"Amount", "9", LookSetting::kAmount, 100},
        {"Amount", "201", LookSetting::kAmount, 100},
        {"Amount", "1.5e2", LookSetting::kAmount, 100},
        {"Size", "20", LookSetting::kSize, 20},
        {"Size", "+300", LookSetting::kSize, 300},
        {"Size", "301", LookSetting::kSize, 100},
        {"Size", "", LookSetting::kSize, 100},
        {"Speed", "25", LookSetting::kSpeed, 25},
        {"Speed", "0", LookSetting::kSpeed, 100},
        {"Speed", "-50", LookSetting::kSpeed, 100},
        {"Speed", "99999999999999999999", LookSetting::kSpeed, 100},
        {"Trail", "0", LookSetting::kTrail, 0},
        {"Trail", "100", LookSetting::kTrail, 100},
        {"Trail", "101", LookSetting::kTrail, 20},
        {"Trail", "6 0", LookSetting::kTrail, 20},
        {"Flows", "1", LookSetting::kFlows, 1},
        {"Flows", "6", LookSetting::kFlows, 6},
        {"Flows", "7", LookSetting::kFlows, 3},
        {"Flows", "3.0", LookSetting::kFlows, 3},
        {"Flows", "\xcc\xa7", LookSetting::kFlows, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + (c.text != nullptr ? c.text : "(absent)"));
        // Every other key holds a value of its own, which must stay.
        std::map<std::string, std::string> file = {
            {"DrawMode", "0"}, {"Amount", "50"}, {"Size", "60"},
            {"Speed", "75"},   {"Trail", "40"},  {"Flows", "2"},
        };
        file.erase(c.key);
        if (c.text != nullptr) {
            file[c.key] = c.text;
        }
        const PaintingChoice choice = readPaintingChoice([&](const char* key) {
            const auto found = file.find(key);
            return found != file.end() ? found->second : std::string();
        });
        PaintingLook expected{kDrawSprites, 50, 60, 75, 40, 2};
        expected[c.setting] = c.value;
        EXPECT_EQ(choice.look, expected);
        EXPECT_FALSE(choice.randomPreset);
    }

    // An empty section is the designed look; only 1 asks for a random preset.
    const auto only = [](const char* text) {
        return readPaintingChoice([&](const char* key) {
            return std::string(key) == "RandomPreset" ? std::string(text) : std::string();
        });
    };
    EXPECT_EQ(only("").look, PaintingLook{});
    EXPECT_FALSE(only("").randomPreset);
    EXPECT_TRUE(only(" 1").randomPreset);
    EXPECT_FALSE(only("2").randomPreset);
    EXPECT_FALSE(only("yes").randomPreset);
}

TEST(PaintingKeys, WhatIsWrittenReadsBackAsItWas) {
    PaintingChoice choice;
    choice.look = kPresets[2].look;
    choice.randomPreset = true;
    std::map<std::string, std::string> file;
    std::string order;
    for (const auto& [key, value] : paintingChoiceValues(choice)) {
        file[key] = " " + std::to_string(value);
        order += std::string(order.empty() ? "" : " ") + key;
    }
    EXPECT_EQ(order, "DrawMode Amount Size Speed Trail Flows RandomPreset");
    const PaintingChoice read =
        readPaintingChoice([&](const char* key) { return file.count(key) ? file[key] : ""; });
    EXPECT_EQ(read.look, choice.look);
    EXPECT_TRUE(read.randomPreset);
}

}  // namespace
