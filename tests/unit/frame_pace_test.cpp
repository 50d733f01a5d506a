#include <gtest/gtest.h>

#include "frame_pace.h"

namespace {

TEST(FramePace, SwapIntervalKeepsAboutSixtyFramesASecond) {
    const struct {
        int hz;
        int interval;
    } cases[] = {{0, 1},  {1, 1},   {30, 1},  {59, 1},  {60, 1},  {75, 1},  {89, 1},
                 {90, 2}, {120, 2}, {144, 2}, {165, 3}, {240, 4}, {360, 6}, {-5, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(swapIntervalForRefresh(c.hz), c.interval) << c.hz << " Hz";
    }
}

TEST(FramePace, WaitsForTheNextTickAndNeverSlowsASlowFrame) {
    const double step = kPaintingStepSeconds;
    FramePace pace;
    // The first frame starts the ticks.
    EXPECT_DOUBLE_EQ(pace.waitAfterFrame(10.0), 0.0);
    // A fast frame waits for the tick after the first frame.
    EXPECT_NEAR(pace.waitAfterFrame(10.005), step - 0.005, 1e-9);
    // Shown a little late: no wait, and the ticks keep their phase.
    EXPECT_DOUBLE_EQ(pace.waitAfterFrame(10.0 + 2 * step + 0.002), 0.0);
    EXPECT_NEAR(pace.waitAfterFrame(10.0 + 2 * step + 0.004), step - 0.004, 1e-9);
    // More than a whole tick late: no wait, no hurry afterwards.
    EXPECT_DOUBLE_EQ(pace.waitAfterFrame(11.0), 0.0);
    EXPECT_NEAR(pace.waitAfterFrame(11.001), step - 0.001, 1e-9);
}

TEST(FramePace, FastFramesComeSixtyTimesASecond) {
    FramePace pace;
    double now = 0.0;
    int frames = 0;
    while (now < 10.0) {
        now += 0.001;  // the frame's own work
        now += pace.waitAfterFrame(now);
        ++frames;
    }
    EXPECT_NEAR(frames, 600, 2);

    FramePace unpaced(0.0);
    EXPECT_DOUBLE_EQ(unpaced.waitAfterFrame(1.0), 0.0);
    EXPECT_DOUBLE_EQ(unpaced.waitAfterFrame(1.001), 0.0);
}

TEST(FramePace, SwapPaceWatchNoticesUnpacedFramesOnly) {
    const struct {
        double interval;
        bool paces;
    } cases[] = {
        {1.0 / 60, true}, {1.0 / 59, true}, {1.0 / 72, false}, {1.0 / 75, false}, {0.001, false}};
    for (const auto& c : cases) {
        SwapPaceWatch watch;
        for (int frame = 0; frame < 100; ++frame) {
            watch.frameShown(frame * c.interval);
        }
        EXPECT_EQ(watch.swapPaces(), c.paces) << c.interval;
    }
    // Once unpaced frames were seen, slower ones later do not take it back.
    SwapPaceWatch watch;
    double now = 0.0;
    for (int frame = 0; frame < 40; ++frame) {
        watch.frameShown(now += 0.001);
    }
    EXPECT_FALSE(watch.swapPaces());
    for (int frame = 0; frame < 40; ++frame) {
        watch.frameShown(now += 0.1);
    }
    EXPECT_FALSE(watch.swapPaces());
}

}  // namespace
