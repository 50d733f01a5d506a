#pragma once

#include <windows.h>

// A monotonic clock in seconds, for pacing the painting's steps.
class FrameClock {
  public:
    FrameClock() {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        perSecond_ = frequency.QuadPart > 0 ? static_cast<double>(frequency.QuadPart) : 0.0;
    }

    double now() const {
        if (perSecond_ == 0.0) {
            return static_cast<double>(GetTickCount()) / 1000.0;
        }
        LARGE_INTEGER count{};
        QueryPerformanceCounter(&count);
        return static_cast<double>(count.QuadPart) / perSecond_;
    }

  private:
    double perSecond_ = 0.0;
};
