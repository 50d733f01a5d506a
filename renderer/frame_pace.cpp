#include "frame_pace.h"

#include <cmath>

namespace {

constexpr double kPaintingRate = 60.0;
// Swaps within this share of the painting's rate pace it well enough: 57 to
// 63 a second.
constexpr double kPacedShare = 0.05;

}  // namespace

SwapPlan swapPlanForRefresh(int refreshHz) {
    if (refreshHz <= 1) {
        return {1, true, false};
    }
    const long rounded = std::lround(refreshHz / kPaintingRate);
    const int interval = rounded < 1 ? 1 : static_cast<int>(rounded);
    const double rate = static_cast<double>(refreshHz) / interval;
    if (std::fabs(rate - kPaintingRate) <= kPaintingRate * kPacedShare) {
        return {interval, true, false};
    }
    return {1, false, refreshHz < kPaintingRate * (1.0 - kPacedShare)};
}

FramePace::FramePace(double stepSeconds, bool catchUp) : step_(stepSeconds), catchUp_(catchUp) {}

double FramePace::waitAfterFrame(double now) {
    steps_ = 1;
    if (step_ <= 0.0) {
        return 0.0;
    }
    if (started_ && catchUp_ && now >= nextTick_ + step_ && now < nextTick_ + 2.0 * step_) {
        // A whole step behind because the display cannot show each one: the
        // next frame paints it as well, at once.
        steps_ = 2;
        nextTick_ += 2.0 * step_;
        return 0.0;
    }
    if (!started_ || now >= nextTick_ + step_) {
        started_ = true;
        nextTick_ = now + step_;
        return 0.0;
    }
    const double wait = nextTick_ > now ? nextTick_ - now : 0.0;
    nextTick_ += step_;
    return wait;
}

void SwapPaceWatch::frameShown(double now) {
    if (!swapPaces_) {
        return;
    }
    if (frames_ == 0) {
        measureStart_ = now;
    }
    if (++frames_ <= kFramesPerMeasure) {
        return;
    }
    // kFramesPerMeasure intervals lie between the first and the last frame.
    const double perFrame = (now - measureStart_) / kFramesPerMeasure;
    swapPaces_ = perFrame >= kUnpacedFrameSeconds;
    frames_ = 0;
}

FrameSchedule::FrameSchedule(const Pacing& pacing)
    : pacing_(pacing), pace_(pacing.stepSeconds, pacing.catchUp) {}

void FrameSchedule::frameShown(double now) {
    if (pacing_.swapMayPace) {
        watch_.frameShown(now);
    }
    pacesItself_ = !pacing_.swapMayPace || !watch_.swapPaces();
    if (!pacesItself_) {
        nextFrameAt_ = now;
        steps_ = 1;
        return;
    }
    nextFrameAt_ = now + pace_.waitAfterFrame(now);
    steps_ = pace_.stepsOfNextFrame();
}
