#pragma once

#include <cstdint>
#include <string>

// The painting's settings. Each has its designed value here; a look chosen
// in Velmora.ini or on the hack's command line moves them together (see
// PaintingLook), within the rules below.
struct RendererSettings {
    std::int32_t flowCount = 3;
    std::int32_t emitterCount = 60;
    std::int32_t particleCount = 1200;
    std::int32_t drawMode = 1;  // 0 light sprites, 1 points, 2 lines
    std::int32_t particleSize = 15;
    std::int32_t emitterSpeed = 20;  // hundredths of a unit per frame
    std::int32_t particleSpeed = 4;  // hundredths
    std::int32_t oscillatorRate = 100;
    std::int32_t trailStrength = 20;  // 0 for no trails
};

// Sizes and speeds worked out once from the settings, before the first frame.
struct DerivedValues {
    float emitterStep;
    float particleStep;
    float pointSizeFactor;
    float lineWidthFactor;
    float spriteHalfSize;
};

// The settings with the values worked out from them. The flows and the
// drawing share one, worked out once before the first flow is created; a flow
// made straight from bare settings works out its own.
struct AppliedSettings {
    AppliedSettings(const RendererSettings& fixed);  // NOLINT: implicit on purpose

    RendererSettings fixed;
    DerivedValues derived;
};

constexpr int kDrawSprites = 0;
constexpr int kDrawPoints = 1;
constexpr int kDrawLines = 2;

DerivedValues deriveValues(const RendererSettings& settings);

// 9 / particleSpeed: a colour channel then depends on the field, not on how
// fast the particles travel.
float colourGain(const RendererSettings& settings);

// The quad that darkens the last picture has this alpha, so every earlier
// picture fades by 1 - alpha per frame.
float trailAlpha(const RendererSettings& settings);

// The settings in a line, for what a run writes of its set-up: "draw mode 1,
// flows 3, emitters 60, ...".
std::string settingsText(const RendererSettings& settings);
