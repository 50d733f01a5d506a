#pragma once

#include <optional>

// Counts the frames shown and gives their rate once a second.
class FpsCounter {
  public:
    // Called after each frame with a steady clock's time in seconds. Once a
    // second or more has passed since the counting began, answers the frames
    // per second over that time and begins again.
    std::optional<double> frameShown(double now);

  private:
    std::optional<double> since_;
    int frames_ = 0;
};
