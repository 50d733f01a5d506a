#include "fps_counter.h"

std::optional<double> FpsCounter::frameShown(double now) {
    if (!since_) {
        // The first frame only starts the clock: the time before it went to
        // the set-up.
        since_ = now;
        return std::nullopt;
    }
    ++frames_;
    const double elapsed = now - *since_;
    if (elapsed < 1.0) {
        return std::nullopt;
    }
    const double rate = frames_ / elapsed;
    since_ = now;
    frames_ = 0;
    return rate;
}
