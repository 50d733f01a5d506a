#pragma once

#include <cmath>
#include <cstddef>

#include "offscreen_surface.h"

// Root mean square of the differences of every channel, each taken from 0 to 1.
inline double rmsDifference(const Picture& a, const Picture& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) {
        const double d = (static_cast<double>(a.rgb[i]) - b.rgb[i]) / 255.0;
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(a.rgb.size()));
}
