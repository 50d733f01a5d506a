#include <gtest/gtest.h>

#include <cmath>

#include "frame_pace.h"

namespace {

TEST(FramePace, SwapPlanTrustsOnlyIntervalsThatComeAtSixty) {
    const struct {
        int hz;
        int interval;
        bool swapPaces;
        bool displaySlower;
    } cases[] = {{0, 1, true, false},   {1, 1, true, false},    {-5, 1, true, false},
                 {48, 1, false, true},  {50, 1, false, true},   {57, 1, true, false},
                 {60, 1, true, false},  {63, 1, true, false},   {64, 1, false, false},
                 {75, 1, false, false}, {90, 1, false, false},  {100, 1, false, false},
                 {120, 2, true, false}, {144, 1, false, false}, {165, 1, false, false},
                 {180, 3, true, false}, {240, 4, true, false},  {360, 6, true, false}};
    for (const auto& c : cases) {
        const SwapPlan plan = swapPlanForRefresh(c.hz);
        EXPECT_EQ(plan.interval, c.interval) << c.hz << " Hz";
        EXPECT_EQ(plan.swapPaces, c.swapPaces) << c.hz << " Hz";
        EXPECT_EQ(plan.displaySlower, c.displaySlower) << c.hz << " Hz";
    }
}

// A display of `hz` whose swap waits for `interval` refreshes since the last
// one shown, and for the next refresh at least.
class SimulatedDisplay {
  public:
    SimulatedDisplay(int hz, int interval) : period_(1.0 / hz), interval_(interval) {}
    // When a swap asked for at `now` returns.
    double swap(double now) {
        long refresh = static_cast<long>(std::ceil(now / period_ - 1e-9));
        if (shown_ >= 0 && refresh < shown_ + interval_) {
            refresh = shown_ + interval_;
        }
        shown_ = refresh;
        return static_cast<double>(refresh) * period_;
    }

  private:
    double period_;
    long interval_;
    long shown_ = -1;
};

// The loop of every program that shows the painting, against a simulated
// display of every rate from 48 to 360 Hz: with the swap set as the plan says
// and painting taking 3 ms a step, the painting steps 57 to 63 times a second.
TEST(FrameSchedule, StepsAtThePaceOnEveryRefreshRate) {
    for (int hz = 48; hz <= 360; ++hz) {
        const SwapPlan plan = swapPlanForRefresh(hz);
        FrameSchedule schedule({kPaintingStepSeconds, plan.swapPaces, plan.displaySlower});
        SimulatedDisplay display(hz, plan.interval);
        double now = 0.0;
        double firstShown = -1.0;
        int steps = 0;
        constexpr double kSeconds = 10.0;
        while (now < kSeconds) {
            if (now < schedule.nextFrameAt()) {
                now = schedule.nextFrameAt();
            }
            const int frameSteps = schedule.stepsOfNextFrame();
            now += 0.003 * frameSteps;
            now = display.swap(now);
            schedule.frameShown(now);
            // Steps between the first frame shown and the last.
            if (firstShown < 0.0) {
                firstShown = now;
            } else {
                steps += frameSteps;
            }
        }
        const double rate = steps / (now - firstShown);
        EXPECT_GE(rate, 57.0 - 1e-9) << hz << " Hz";
        EXPECT_LE(rate, 63.0 + 1e-9) << hz << " Hz";
    }
}

// A machine too slow for the pace is neither slowed nor hurried: without a
// display known to be slower, a late frame never paints two steps.
TEST(FrameSchedule, NeverHurriesASlowMachine) {
    FrameSchedule schedule({kPaintingStepSeconds, false, false});
    double now = 0.0;
    for (int frame = 0; frame < 100; ++frame) {
        EXPECT_LE(schedule.nextFrameAt(), now) << "a slow frame starts the next at once";
        EXPECT_EQ(schedule.stepsOfNextFrame(), 1);
        now += 0.03;
        schedule.frameShown(now);
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
