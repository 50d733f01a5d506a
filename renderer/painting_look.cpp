#include "painting_look.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "random_source.h"

namespace {

// The designed settings that each amount is a share of.
constexpr RendererSettings kDesigned{};
constexpr std::int32_t kParticlesPerEmitter = kDesigned.particleCount / kDesigned.emitterCount;

// 200 % of the particles in 6 flows already ask four times the designed work
// of every frame; a software renderer falls far behind beyond that.
constexpr std::array<LookRange, kLookSettingCount> kRanges = {{
    {kDrawSprites, kDrawLines, kDrawPoints, 1},  // draw mode
    {10, 200, 100, 10},                          // amount
    {20, 300, 100, 20},                          // size
    {25, 300, 100, 25},                          // speed
    {0, 100, 20, 5},                             // trail: 100 leaves an alpha of 0.01
    {1, 6, 3, 1},                                // flows
}};

// A share of a designed setting, to the nearest whole number, never below 1.
std::int32_t share(std::int32_t designed, int percent) {
    const long rounded = std::lround(static_cast<double>(designed) * percent / 100.0);
    return static_cast<std::int32_t>(std::max(1L, rounded));
}

}  // namespace

const std::array<Preset, kPresetCount> kPresets = {{
    {"designed", PaintingLook{}},
    // Slow strings of light that linger.
    {"calm-lines", PaintingLook{kDrawLines, 100, 140, 50, 60, 3}},
    // Many small glowing sprites in four flows.
    {"dense-sprites", PaintingLook{kDrawSprites, 200, 60, 100, 20, 4}},
    // Fast, fine points whose trails die at once.
    {"quick-trails", PaintingLook{kDrawPoints, 150, 60, 200, 5, 3}},
}};

const LookRange& rangeOf(LookSetting setting) {
    return kRanges[static_cast<std::size_t>(setting)];
}

bool inRange(LookSetting setting, int value) {
    const LookRange& range = rangeOf(setting);
    return value >= range.lowest && value <= range.highest;
}

int& PaintingLook::operator[](LookSetting setting) {
    switch (setting) {
        case LookSetting::kDrawMode:
            return drawMode;
        case LookSetting::kAmount:
            return amount;
        case LookSetting::kSize:
            return size;
        case LookSetting::kSpeed:
            return speed;
        case LookSetting::kTrail:
            return trail;
        case LookSetting::kFlows:
            break;
    }
    return flows;
}

int PaintingLook::operator[](LookSetting setting) const {
    return const_cast<PaintingLook&>(*this)[setting];
}

bool PaintingLook::operator==(const PaintingLook& other) const {
    for (const LookSetting setting : kLookSettings) {
        if ((*this)[setting] != other[setting]) {
            return false;
        }
    }
    return true;
}

RendererSettings settingsForLook(const PaintingLook& look) {
    RendererSettings settings;
    settings.flowCount = look.flows;
    settings.emitterCount = share(kDesigned.emitterCount, look.amount);
    settings.particleCount = settings.emitterCount * kParticlesPerEmitter;
    settings.drawMode = look.drawMode;
    settings.particleSize = share(kDesigned.particleSize, look.size);
    settings.emitterSpeed = share(kDesigned.emitterSpeed, look.speed);
    settings.particleSpeed = share(kDesigned.particleSpeed, look.speed);
    settings.trailStrength = look.trail;
    return settings;
}

int presetOf(const PaintingLook& look) {
    for (int i = 0; i < kPresetCount; ++i) {
        if (kPresets[static_cast<std::size_t>(i)].look == look) {
            return i;
        }
    }
    return -1;
}

int presetNamed(const char* name) {
    for (int i = 0; i < kPresetCount; ++i) {
        if (std::strcmp(kPresets[static_cast<std::size_t>(i)].name, name) == 0) {
            return i;
        }
    }
    return -1;
}

int presetForRun(std::uint32_t seed) {
    RandomSource random;
    random.seedRandom(seed);
    return random.nextRandom() % kPresetCount;
}

PaintingLook lookForRun(const PaintingChoice& choice, std::uint32_t seed) {
    if (!choice.randomPreset) {
        return choice.look;
    }
    return kPresets[static_cast<std::size_t>(presetForRun(seed))].look;
}
