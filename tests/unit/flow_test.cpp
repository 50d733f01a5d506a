#include <gtest/gtest.h>

#include <cmath>

#include "flow.h"

namespace {

RendererSettings lineSettings() {
    RendererSettings settings;
    settings.drawMode = kDrawLines;
    return settings;
}

// A flow whose field is frozen, so that emission and links can be followed
// without the particles moving.
void freezeField(Flow& flow) {
    flow.phaseStep.fill(0.0f);
    flow.phase.fill(std::acos(0.0f));
}

float spreadXY(int draw) {
    return static_cast<float>(draw) * 0.0018311106f - 30.0f;
}

}  // namespace

TEST(Flow, CreationDrawsInOrderAndPlacesEverything) {
    const RendererSettings settings;
    RandomSource random;
    random.seedRandom(1234);
    RandomSource replay = random;

    Flow flow(settings, random);

    ASSERT_EQ(flow.emitters.size(), 60u);
    for (const Emitter& e : flow.emitters) {
        const int x = replay.nextRandom();
        const int y = replay.nextRandom();
        const int z = replay.nextRandom();
        EXPECT_EQ(e.x, spreadXY(x));
        EXPECT_EQ(e.y, spreadXY(y));
        EXPECT_EQ(e.z, static_cast<float>(z) * 0.00091555528f - 15.0f);
        EXPECT_GE(e.x, -30.0f);
        EXPECT_LE(e.x, 30.0f);
        EXPECT_GE(e.z, -15.0f);
        EXPECT_LE(e.z, 15.0f);
    }
    for (int k = 0; k < kOscillatorCount; ++k) {
        const int phaseDraw = replay.nextRandom();
        const int stepDraw = replay.nextRandom();
        EXPECT_EQ(flow.phase[k], static_cast<float>(phaseDraw) * 0.00019175345f);
        EXPECT_EQ(flow.phaseStep[k],
                  static_cast<float>(stepDraw) * (10000.0f * 1.5259254e-9f) + 10000.0f * 0.00001f);
        EXPECT_GE(flow.phaseStep[k], 0.1f - 1e-6f);
        EXPECT_LE(flow.phaseStep[k], 0.6f + 1e-6f);
    }
    // 3 x 60 + 18 draws, and not one more.
    EXPECT_EQ(random.state(), replay.state());

    ASSERT_EQ(flow.particles.size(), 1200u);
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        EXPECT_EQ(flow.particles.z[j], 100.0f);
    }
    EXPECT_EQ(flow.nextSlot, 0);
    EXPECT_TRUE(flow.links.empty()) << "links exist only in line mode";
    EXPECT_TRUE(flow.lastEmitted.empty());
}

TEST(Flow, OscillatorsWrapOnlyPastTwoPi) {
    const RendererSettings settings;
    RandomSource random;
    Flow flow(settings, random);

    flow.phase[0] = kTwoPi - 0.25f;  // lands exactly on 2pi: kept
    flow.phaseStep[0] = 0.25f;
    flow.phase[1] = kTwoPi - 0.25f;  // passes 2pi: reduced once
    flow.phaseStep[1] = 0.5f;
    flow.phase[2] = 1.0f;
    flow.phaseStep[2] = 0.5f;
    ASSERT_EQ(flow.phase[0] + flow.phaseStep[0], kTwoPi);

    flow.step(random);

    EXPECT_EQ(flow.phase[0], kTwoPi);
    EXPECT_EQ(flow.phase[1], (kTwoPi - 0.25f + 0.5f) - kTwoPi);
    EXPECT_EQ(flow.phase[2], 1.5f);
    EXPECT_EQ(flow.coefficient[0], std::cos(kTwoPi));
    EXPECT_EQ(flow.coefficient[2], std::cos(1.5f));
    // The colour coefficients carry the gain of 9 / particleSpeed.
    EXPECT_EQ(flow.coefficient[6], std::cos(flow.phase[6]) * 2.25f);
    EXPECT_EQ(flow.coefficient[8], std::cos(flow.phase[8]) * 2.25f);
}

TEST(Flow, EmitterJumpsBackOnlyPastTheNearLimit) {
    RendererSettings settings = lineSettings();
    RandomSource random;
    random.seedRandom(99);
    Flow flow(settings, random);
    freezeField(flow);
    const float step = deriveValues(settings).emitterStep;

    // Emitter 0 passes the near limit; emitter 1 lands on it exactly.
    flow.emitters[0] = Emitter{1.0f, 2.0f, 14.9f};
    float exact = 14.0f;
    while (exact + step < 15.0f) {
        exact = std::nextafter(exact, 20.0f);
    }
    ASSERT_EQ(exact + step, 15.0f);
    flow.emitters[1] = Emitter{3.0f, 4.0f, exact};

    RandomSource replay = random;
    const float newX = spreadXY(replay.nextRandom());
    const float newY = spreadXY(replay.nextRandom());
    flow.step(random);

    EXPECT_EQ(flow.emitters[0].x, newX);
    EXPECT_EQ(flow.emitters[0].y, newY);
    EXPECT_EQ(flow.emitters[0].z, -15.0f);
    EXPECT_EQ(flow.emitters[1].x, 3.0f);
    EXPECT_EQ(flow.emitters[1].z, 15.0f) << "landing on the limit is not passing it";

    // The jumped emitter drops its particle at the far side in the same frame,
    // starting a new chain.
    EXPECT_EQ(flow.links[0].older, -1);
    EXPECT_EQ(flow.links[1].older, 1);
    // Only the jump drew numbers, unless another emitter jumped as well.
    int jumps = 0;
    for (const Emitter& e : flow.emitters) {
        jumps += e.z == -15.0f ? 1 : 0;
    }
    RandomSource expected;
    expected.seedRandom(99);
    for (int i = 0; i < 198 + 2 * jumps; ++i) {
        expected.nextRandom();
    }
    EXPECT_EQ(random.state(), expected.state());
}

TEST(Flow, ColourIsDisplacementClampedToOne) {
    const RendererSettings settings;
    RandomSource random;
    Flow flow(settings, random);

    // Coefficients of (almost exactly) 0: nothing moves and every colour is
    // black. The cosine of the float nearest pi/2 is about 4e-8, not 0.
    freezeField(flow);
    flow.step(random);
    for (std::size_t j = 60; j < flow.particles.size(); ++j) {
        ASSERT_NEAR(flow.particles.x[j], 0.0f, 1e-5f);
        ASSERT_EQ(flow.particles.z[j], 100.0f);
    }
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        const Particle p = flow.particles.get(j);
        ASSERT_LT(p.r + p.g + p.b, 1e-5f);
    }

    // Coefficients of 1: a particle far out moves far and its channels are
    // capped at 1.
    flow.phase.fill(0.0f);
    flow.particles.put(600, Particle{20.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    flow.particles.put(601, Particle{1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    flow.step(random);
    const Particle far = flow.particles.get(600);
    const Particle near = flow.particles.get(601);

    const float s = 0.04f;
    // x' = x + (y + z) s, y' = y + (x + z) s, z' = z + (x + y) s, all from
    // the old position.
    EXPECT_EQ(far.x, 20.0f);
    EXPECT_EQ(far.y, 20.0f * s);
    EXPECT_EQ(far.z, 20.0f * s);
    EXPECT_EQ(far.r, 0.0f);
    EXPECT_EQ(far.g, 1.0f) << "0.8 x 2.25 = 1.8 is capped";
    EXPECT_EQ(far.b, 1.0f);
    EXPECT_EQ(near.g, std::fabs((1.0f * s) * 2.25f));
    EXPECT_LT(near.g, 1.0f);

    // Nine different coefficients: each one acts on its own axis.
    for (int k = 0; k < kOscillatorCount; ++k) {
        flow.phase[k] = 0.1f + 0.3f * static_cast<float>(k);
    }
    flow.particles.put(700, Particle{1.5f, -2.0f, 3.0f, 0.0f, 0.0f, 0.0f});
    flow.step(random);
    const Particle probe = flow.particles.get(700);
    const auto& c = flow.coefficient;
    const float x = probe.x, y = probe.y, z = probe.z;
    EXPECT_EQ(x, 1.5f + (c[0] * -2.0f + c[1] * 3.0f) * s);
    EXPECT_EQ(y, -2.0f + (c[3] * 1.5f + c[2] * 3.0f) * s);
    EXPECT_EQ(z, 3.0f + (c[4] * 1.5f + c[5] * -2.0f) * s);
    EXPECT_EQ(probe.r, std::fmin(1.0f, std::fabs((x - 1.5f) * c[6])));
    EXPECT_EQ(probe.g, std::fmin(1.0f, std::fabs((y + 2.0f) * c[7])));
    EXPECT_EQ(probe.b, std::fmin(1.0f, std::fabs((z - 3.0f) * c[8])));
}

TEST(Flow, RingIsReusedEveryTwentyFrames) {
    const RendererSettings settings;
    RandomSource random;
    Flow flow(settings, random);

    for (int frame = 1; frame <= 40; ++frame) {
        flow.step(random);
        ASSERT_EQ(flow.nextSlot, (frame % 20) * 60) << "frame " << frame;
    }

    // Mark every slot, then see which ones the next frame overwrites.
    freezeField(flow);
    flow.particles.z.assign(flow.particles.size(), 1000.0f);
    flow.step(random);
    EXPECT_EQ(flow.nextSlot, 60);
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        if (j < 60) {
            ASSERT_NEAR(flow.particles.z[j], flow.emitters[j].z, 1e-4f) << "slot " << j;
        } else {
            ASSERT_EQ(flow.particles.z[j], 1000.0f) << "slot " << j;
        }
    }
}

TEST(Flow, LinksFormOneChainPerEmitter) {
    const RendererSettings settings = lineSettings();
    RandomSource random;
    Flow flow(settings, random);
    freezeField(flow);
    // Keep every emitter clear of the near limit for the first frames.
    for (Emitter& e : flow.emitters) {
        e.z = 0.0f;
    }
    ASSERT_EQ(flow.lastEmitted.size(), 60u);
    EXPECT_EQ(flow.lastEmitted[7], 7);
    EXPECT_EQ(flow.links[7].newer, -1);

    flow.step(random);
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(flow.links[static_cast<std::size_t>(i)].newer, i);
        EXPECT_EQ(flow.links[static_cast<std::size_t>(i)].older, i);
    }

    flow.step(random);
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(flow.links[static_cast<std::size_t>(60 + i)].older, i);
        EXPECT_EQ(flow.links[static_cast<std::size_t>(60 + i)].newer, -1);
        EXPECT_EQ(flow.links[static_cast<std::size_t>(i)].newer, 60 + i);
    }

    // After a full turn of the ring the oldest member is overwritten: its
    // successor loses its tail, and the new particle hangs on the newest.
    for (int frame = 3; frame <= 21; ++frame) {
        flow.step(random);
    }
    // Frame 21 wrote slot 5 again for emitter 5; frame 20 wrote slot 1145.
    EXPECT_EQ(flow.links[5].older, 1145);
    EXPECT_EQ(flow.links[1145].newer, 5);
    EXPECT_EQ(flow.links[5].newer, -1);
    EXPECT_EQ(flow.links[65].older, -1) << "the frame-2 particle lost its tail";
    EXPECT_EQ(flow.lastEmitted[5], 5);
}
