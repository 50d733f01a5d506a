#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "particle_batches.h"
#include "point_disc.h"

namespace {

using Key = std::tuple<float, float, float, float, float, float>;

Key keyOf(const ColouredVertex& v) {
    return {v.r, v.g, v.b, v.x, v.y, v.z};
}

// Lines of every size the painting can ask for, from the hair's breadth of a
// particle far behind the flows to the largest an implementation draws, given
// in no order: each comes back once, with both its ends and its colours, in a
// run whose size is within a class of its own, the runs growing in size.
TEST(SizedBatches, KeepEveryParticleOnceNearItsOwnSize) {
    std::vector<float> sizes;
    for (int i = 0; i < 500; ++i) {
        sizes.push_back(0.0006f * std::pow(1.021f, static_cast<float>((i * 37) % 500)));
    }
    sizes.push_back(255.0f);
    sizes.push_back(sizes[3]);  // two of one size share a run

    SizedBatches batches;
    batches.reserve(sizes.size(), 2);
    std::vector<Key> given;
    std::vector<std::pair<Key, float>> sizeOf;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const float f = static_cast<float>(i);
        const ColouredVertex ends[2] = {{f / 1000, 0.5f, 0.25f, f, -f, 1.0f},
                                        {0.0f, f / 2000, 1.0f, -f, f, -1.0f}};
        batches.add(sizes[i], ends);
        given.push_back(keyOf(ends[0]));
        given.push_back(keyOf(ends[1]));
        sizeOf.emplace_back(keyOf(ends[0]), sizes[i]);
    }
    // Beyond the room it was given, a particle is dropped, not written past
    // the end.
    const ColouredVertex extra[2] = {};
    batches.add(1.0f, extra);
    batches.sort();

    ASSERT_EQ(batches.particleCount(), sizes.size());
    std::vector<Key> drawn;
    float lastSize = 0.0f;
    std::size_t next = 0;
    for (std::size_t r = 0; r < batches.runCount(); ++r) {
        const SizedBatches::Run run = batches.run(r);
        EXPECT_EQ(run.first, next) << "runs follow one another";
        EXPECT_GT(run.size, lastSize) << "runs grow in size";
        EXPECT_EQ(run.count % 2, 0u);
        lastSize = run.size;
        next = run.first + run.count;
        for (std::size_t v = run.first; v < run.first + run.count; ++v) {
            drawn.push_back(keyOf(batches.vertices()[v]));
            if (v % 2 == 0) {
                const auto found = std::find_if(sizeOf.begin(), sizeOf.end(), [&](const auto& s) {
                    return s.first == drawn.back();
                });
                ASSERT_NE(found, sizeOf.end());
                EXPECT_NEAR(run.size, found->second, found->second * 0.008f);
            }
        }
    }
    EXPECT_EQ(next, 2 * sizes.size());
    std::sort(given.begin(), given.end());
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, given);
}

// The square of a point is the point's size in pixels on the view, wherever
// its depth puts it, and it is only drawn where GL would draw the point:
// its centre in the view, in front of the near plane.
TEST(PointSquare, CoversThePointsPixelsWhereGlDrawsIt) {
    const PointView view{16.0 / 9.0, 1080.0f};
    struct Case {
        float x, y, z, size;
        bool drawn;
    };
    for (const Case& c : {
             Case{0.0f, 0.0f, 0.0f, 24.0f, true},
             Case{5.0f, -3.0f, -15.0f, 15.0f, true},
             Case{0.0f, 0.0f, 13.9f, 33.0f, true},    // 1.1 units from the eye
             Case{0.0f, 0.0f, 14.5f, 33.0f, false},   // nearer than the near plane
             Case{0.0f, 0.0f, 100.0f, 84.0f, false},  // behind the eye
             Case{26.6f, 0.0f, 0.0f, 24.0f, true},    // 15 x 16/9 = 26.67 wide
             Case{26.7f, 0.0f, 0.0f, 24.0f, false},
             Case{0.0f, -14.9f, 0.0f, 24.0f, true},
             Case{0.0f, -15.1f, 0.0f, 24.0f, false},
         }) {
        const float h = pointSquareHalfSide(c.x, c.y, c.z, c.size, view);
        if (!c.drawn) {
            EXPECT_EQ(h, 0.0f) << c.x << "," << c.y << "," << c.z;
            continue;
        }
        // The view's height spans 2 (15 - z) units at that depth.
        const float pixelsPerUnit = view.viewHeight / (2.0f * (15.0f - c.z));
        EXPECT_NEAR(2.0f * h * pixelsPerUnit, c.size, 1e-3f) << c.x << "," << c.y << "," << c.z;
    }
}

// The hard disc is lit out to its rim and nowhere beyond; the soft one fades
// over its last pixels.
TEST(PointDisc, HardWithinTheRimSoftAcrossIt) {
    constexpr int side = 256;
    std::vector<std::uint8_t> hard, soft;
    fillPointDisc(hard, side, DiscRim::kHard);
    fillPointDisc(soft, side, DiscRim::kSoft);
    ASSERT_EQ(hard.size(), static_cast<std::size_t>(side * side));
    const auto at = [&](const std::vector<std::uint8_t>& t, int row, int column) {
        return static_cast<int>(t[static_cast<std::size_t>(row * side + column)]);
    };
    for (const std::vector<std::uint8_t>* disc : {&hard, &soft}) {
        EXPECT_EQ(at(*disc, 128, 128), 255) << "lit at the centre";
        EXPECT_EQ(at(*disc, 0, 0), 0) << "dark in the corners";
        EXPECT_EQ(at(*disc, 128, side - 1), 0) << "the outermost texels are dark";
        EXPECT_EQ(at(*disc, 0, 128), 0);
    }
    EXPECT_GT(at(hard, 128, side - 2), 0) << "the hard rim's last texel is still within";
    const int rim = at(soft, 128, side - 2);
    EXPECT_GT(rim, 0);
    EXPECT_LT(rim, 255) << "the soft rim is partly lit";
}

}  // namespace
