#include <gtest/gtest.h>

#include "random_source.h"
#include "renderer_settings.h"

TEST(RandomSource, FollowsTheLinearCongruentialSequence) {
    RandomSource random;  // starts at state 1
    EXPECT_EQ(random.nextRandom(), 41);
    EXPECT_EQ(random.nextRandom(), 18467);
    EXPECT_EQ(random.nextRandom(), 6334);
    EXPECT_EQ(random.nextRandom(), 26500);
    EXPECT_EQ(random.nextRandom(), 19169);

    random.seedRandom(0);
    EXPECT_EQ(random.nextRandom(), 38);

    // The state wraps modulo 2^32 and every value stays within 15 bits.
    random.seedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 10000; ++i) {
        const int value = random.nextRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST(RendererSettings, DerivedValuesFromTheFixedSettings) {
    const RendererSettings settings;
    const DerivedValues derived = deriveValues(settings);
    EXPECT_FLOAT_EQ(derived.emitterStep, 0.2f);
    EXPECT_FLOAT_EQ(derived.particleStep, 0.04f);
    EXPECT_FLOAT_EQ(derived.pointSizeFactor, 0.6f);
    EXPECT_FLOAT_EQ(derived.lineWidthFactor, 0.075f);
    EXPECT_FLOAT_EQ(derived.spriteHalfSize, 0.3f);
    EXPECT_EQ(colourGain(settings), 2.25f);
    // Worked out in double from the setting and the single-precision
    // constant, then rounded once.
    EXPECT_EQ(derived.emitterStep, static_cast<float>(20.0 * static_cast<double>(0.01f)));
}
