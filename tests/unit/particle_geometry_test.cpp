#include <gtest/gtest.h>

#include <vector>

#include "particle_geometry.h"

namespace {

TEST(ParticleGeometry, PointSizeGrowsWithNearnessAndKeepsAFloor) {
    const DerivedValues derived = deriveValues(RendererSettings{});
    EXPECT_FLOAT_EQ(pointSize(-45.0f, derived.pointSizeFactor), 0.006f);
    EXPECT_FLOAT_EQ(pointSize(-40.0f, derived.pointSizeFactor), 0.006f);
    EXPECT_FLOAT_EQ(pointSize(0.0f, derived.pointSizeFactor), 24.0f);
    EXPECT_FLOAT_EQ(pointSize(-15.0f, derived.pointSizeFactor), 15.0f);
    EXPECT_FLOAT_EQ(pointSize(15.0f, derived.pointSizeFactor), 33.0f);
    EXPECT_FLOAT_EQ(lineWidth(-100.0f, derived.lineWidthFactor), 0.01f * 0.075f);
    EXPECT_FLOAT_EQ(lineWidth(0.0f, derived.lineWidthFactor), 3.0f);
}

TEST(ParticleGeometry, TrailAlphaFollowsTheStrength) {
    RendererSettings settings;
    EXPECT_NEAR(trailAlpha(settings), 0.402f, 1e-6f);
    settings.trailStrength = 100;
    EXPECT_NEAR(trailAlpha(settings), 0.01f, 1e-6f);
}

class LineSegments : public ::testing::Test {
  protected:
    LineSegments() : flow(lineSettings(), random) {
        for (std::size_t j = 0; j < flow.particles.size(); ++j) {
            const float v = static_cast<float>(j);
            flow.particles.put(j, Particle{v, v + 0.5f, -v, 0.25f, 0.5f, 0.75f});
        }
    }

    static RendererSettings lineSettings() {
        RendererSettings settings;
        settings.drawMode = kDrawLines;
        return settings;
    }

    void link(int j, int newer, int older) {
        flow.links[static_cast<std::size_t>(j)] = ParticleLink{newer, older};
    }

    RandomSource random;
    Flow flow;
};

TEST_F(LineSegments, ChainFadesToBlackAtBothEnds) {
    // Chain 7 (newest) -> 5 -> 3 (oldest).
    link(7, -1, 5);
    link(5, 7, 3);
    link(3, 5, -1);

    const LineSegment newest = lineSegment(flow, 7);
    ASSERT_TRUE(newest.drawn);
    EXPECT_FLOAT_EQ(newest.newer.position[0], 7.0f);
    EXPECT_FLOAT_EQ(newest.newer.position[1], 7.5f);
    EXPECT_FLOAT_EQ(newest.newer.position[2], -7.0f);
    EXPECT_FLOAT_EQ(newest.newer.colour[0] + newest.newer.colour[1] + newest.newer.colour[2], 0.0f);
    EXPECT_FLOAT_EQ(newest.older.position[0], 5.0f);
    EXPECT_FLOAT_EQ(newest.older.colour[0], 0.25f);
    EXPECT_FLOAT_EQ(newest.older.colour[1], 0.5f);
    EXPECT_FLOAT_EQ(newest.older.colour[2], 0.75f);

    const LineSegment last = lineSegment(flow, 5);
    ASSERT_TRUE(last.drawn);
    EXPECT_FLOAT_EQ(last.newer.colour[2], 0.75f);
    EXPECT_FLOAT_EQ(last.older.position[0], 3.0f);
    EXPECT_FLOAT_EQ(last.older.colour[0] + last.older.colour[1] + last.older.colour[2], 0.0f);

    EXPECT_FALSE(lineSegment(flow, 3).drawn);
}

TEST_F(LineSegments, SecondFrameJoinsEachEmitterToItsFirstParticle) {
    const int emitters = flow.settings().emitterCount;
    std::vector<bool> jumped(static_cast<std::size_t>(emitters), false);
    for (int frame = 0; frame < 2; ++frame) {
        flow.step(random);
        for (int i = 0; i < emitters; ++i) {
            if (flow.emitters[static_cast<std::size_t>(i)].z == kEmitterFar) {
                jumped[static_cast<std::size_t>(i)] = true;
            }
        }
    }
    for (int i = 0; i < emitters; ++i) {
        if (jumped[static_cast<std::size_t>(i)]) {
            continue;  // a new chain began
        }
        const LineSegment segment = lineSegment(flow, emitters + i);
        ASSERT_TRUE(segment.drawn) << "emitter " << i;
        const Particle first = flow.particles.get(static_cast<std::size_t>(i));
        EXPECT_EQ(segment.newer.colour[0] + segment.newer.colour[1] + segment.newer.colour[2],
                  0.0f);
        EXPECT_EQ(segment.older.position[0], first.x);
        EXPECT_EQ(segment.older.colour[0], first.r);
        EXPECT_EQ(segment.older.colour[1], first.g);
        EXPECT_EQ(segment.older.colour[2], first.b);
    }
}

}  // namespace
