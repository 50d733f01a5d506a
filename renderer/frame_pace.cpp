#include "frame_pace.h"

#include <cmath>

int swapIntervalForRefresh(int refreshHz) {
    if (refreshHz <= 1) {
        return 1;
    }
    const long interval = std::lround(refreshHz / 60.0);
    return interval < 1 ? 1 : static_cast<int>(interval);
}

FramePace::FramePace(double stepSeconds) : step_(stepSeconds) {}

double FramePace::waitAfterFrame(double now) {
    if (step_ <= 0.0) {
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
