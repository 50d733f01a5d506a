#pragma once

#include <array>
#include <cstdint>

// The sprite's texture: a 64 x 64 luminance disc, brightest at the centre and
// black from 32 texels out.
constexpr int kLightTextureSide = 64;
constexpr int kLightTexelCount = kLightTextureSide * kLightTextureSide;

using LightTexels = std::array<std::uint8_t, kLightTexelCount>;

// Fills the texels row by row: the texel of row i and column j lies at
// i x 64 + j.
void fillLightTexels(LightTexels& texels);
