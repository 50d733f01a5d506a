#include "light_texture.h"

#include <cmath>

namespace {

// One texel is 1/32 of the disc's radius.
constexpr float kTexelStep = 0.03125f;
constexpr int kCentre = kLightTextureSide / 2;

}  // namespace

void fillLightTexels(LightTexels& texels) {
    for (int i = 0; i < kLightTextureSide; ++i) {
        const float u = static_cast<float>(i - kCentre) * kTexelStep;
        for (int j = 0; j < kLightTextureSide; ++j) {
            const float v = static_cast<float>(j - kCentre) * kTexelStep;
            float d = 1.0f - std::sqrt(u * u + v * v);
            if (d < 0.0f) {
                d = 0.0f;
            } else if (d > 1.0f) {
                d = 1.0f;
            }
            texels[static_cast<std::size_t>(i * kLightTextureSide + j)] =
                static_cast<std::uint8_t>(d * 255.0f);
        }
    }
}
