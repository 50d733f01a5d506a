#include "renderer_settings.h"

#include <cstdio>

namespace {

// Each derived value is worked out in double precision from the integer
// setting and a single-precision constant, then kept in single precision.
float scaled(std::int32_t setting, float factor) {
    return static_cast<float>(static_cast<double>(setting) * static_cast<double>(factor));
}

}  // namespace

DerivedValues deriveValues(const RendererSettings& settings) {
    DerivedValues values{};
    values.emitterStep = scaled(settings.emitterSpeed, 0.01f);
    values.particleStep = scaled(settings.particleSpeed, 0.01f);
    values.pointSizeFactor = scaled(settings.particleSize, 0.04f);
    values.lineWidthFactor = scaled(settings.particleSize, 0.005f);
    values.spriteHalfSize = scaled(settings.particleSize, 0.02f);
    return values;
}

AppliedSettings::AppliedSettings(const RendererSettings& settings)
    : fixed(settings), derived(deriveValues(settings)) {}

float colourGain(const RendererSettings& settings) {
    return 9.0f / static_cast<float>(settings.particleSpeed);
}

float trailAlpha(const RendererSettings& settings) {
    return 0.5f - static_cast<float>(settings.trailStrength) * 0.0049f;
}

std::string settingsText(const RendererSettings& settings) {
    char text[200];
    std::snprintf(text, sizeof(text),
                  "draw mode %d, flows %d, emitters %d, particles %d, size %d, emitter speed %d, "
                  "particle speed %d, oscillator rate %d, trail %d",
                  static_cast<int>(settings.drawMode), static_cast<int>(settings.flowCount),
                  static_cast<int>(settings.emitterCount), static_cast<int>(settings.particleCount),
                  static_cast<int>(settings.particleSize), static_cast<int>(settings.emitterSpeed),
                  static_cast<int>(settings.particleSpeed),
                  static_cast<int>(settings.oscillatorRate),
                  static_cast<int>(settings.trailStrength));
    return text;
}
