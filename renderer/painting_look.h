#pragma once

#include <array>
#include <cstdint>

#include "renderer_settings.h"

// The painting's look as a person chooses it, in the units that the settings
// dialog, Velmora.ini and the hack's options all speak: the draw mode, and
// five amounts measured against the designed look. Each amount moves settings
// of the painting together, so that no choice can break its rules: the
// emitters and particles keep their ratio (a particle still lives 20 frames),
// and the emitters and particles keep their speeds' ratio, with the particle
// speed never 0 (the colours, 9 / particleSpeed times a particle's travel,
// stay as bright as designed).

enum class LookSetting { kDrawMode, kAmount, kSize, kSpeed, kTrail, kFlows };
inline constexpr int kLookSettingCount = 6;
inline constexpr std::array<LookSetting, kLookSettingCount> kLookSettings = {
    LookSetting::kDrawMode, LookSetting::kAmount, LookSetting::kSize,
    LookSetting::kSpeed,    LookSetting::kTrail,  LookSetting::kFlows,
};

// The values a setting takes, and the step between the ones the dialog
// lists and the hack's sliders move by.
struct LookRange {
    int lowest;
    int highest;
    int designed;
    int step;
};

const LookRange& rangeOf(LookSetting setting);
bool inRange(LookSetting setting, int value);

struct PaintingLook {
    int drawMode = kDrawPoints;  // kDrawSprites, kDrawPoints or kDrawLines
    int amount = 100;            // per cent of the designed emitters and particles
    int size = 100;              // per cent of the designed particle size
    int speed = 100;             // per cent of the designed emitter and particle speeds
    int trail = 20;              // the trail strength: 0 none, 100 the longest
    int flows = 3;

    int& operator[](LookSetting setting);
    int operator[](LookSetting setting) const;
    bool operator==(const PaintingLook& other) const;
    bool operator!=(const PaintingLook& other) const { return !(*this == other); }
};

// The painting's settings for a look. The designed look gives exactly the
// designed settings.
RendererSettings settingsForLook(const PaintingLook& look);

// A named look. The first is the designed one.
struct Preset {
    const char* name;  // as the hack's -preset and velmora-still's --preset take it
    PaintingLook look;
};

inline constexpr int kPresetCount = 4;
extern const std::array<Preset, kPresetCount> kPresets;

// The preset with exactly this look, or -1.
int presetOf(const PaintingLook& look);
// The preset of this name, or -1.
int presetNamed(const char* name);

// What the settings keep: a look, or a preset drawn afresh for every run.
struct PaintingChoice {
    PaintingLook look;
    bool randomPreset = false;
};

// The preset drawn for a run from `seed` (the calendar time in a run). It
// draws from a generator of its own, so the painting's random numbers run as
// designed.
int presetForRun(std::uint32_t seed);

// The look a run paints.
PaintingLook lookForRun(const PaintingChoice& choice, std::uint32_t seed);
