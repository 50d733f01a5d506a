#pragma once

#include <cstdint>

// The renderer's linear congruential generator. One state runs through the
// whole program; the order of the draws decides every picture, so callers
// draw exactly where the painting needs a number and nowhere else.
class RandomSource {
  public:
    void seedRandom(std::uint32_t seed) { state_ = seed; }

    // An integer from 0 to 32767.
    int nextRandom() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

    std::uint32_t state() const { return state_; }

  private:
    std::uint32_t state_ = 1;
};
