#include <gtest/gtest.h>

#include <cmath>

#include "light_texture.h"

namespace {

int texel(const LightTexels& texels, int row, int column) {
    return texels[static_cast<std::size_t>(row * kLightTextureSide + column)];
}

TEST(LightTexture, DiscFadesFromTheCentre) {
    LightTexels texels{};
    texels.fill(99);
    fillLightTexels(texels);

    EXPECT_EQ(texel(texels, 32, 32), 255);
    EXPECT_EQ(texel(texels, 32, 40), 191);
    EXPECT_EQ(texel(texels, 32, 48), 127);
    EXPECT_EQ(texel(texels, 40, 40), 164);
    EXPECT_EQ(texel(texels, 32, 63), 7);
    EXPECT_EQ(texel(texels, 32, 0), 0);
    EXPECT_EQ(texel(texels, 0, 0), 0);
    // Rows and columns play the same part.
    EXPECT_EQ(texel(texels, 40, 32), 191);
    EXPECT_EQ(texel(texels, 63, 32), 7);
}

TEST(LightTexture, BlackOnlyFromThirtyTwoTexelsOut) {
    LightTexels texels{};
    texels.fill(99);
    fillLightTexels(texels);
    for (int i = 0; i < kLightTextureSide; ++i) {
        for (int j = 0; j < kLightTextureSide; ++j) {
            const double distance = std::hypot(i - 32, j - 32);
            if (distance >= 32.0) {
                EXPECT_EQ(texel(texels, i, j), 0) << "texel " << i << ", " << j;
            } else if (distance <= 31.0) {
                EXPECT_GT(texel(texels, i, j), 0) << "texel " << i << ", " << j;
            }
        }
    }
}

}  // namespace
