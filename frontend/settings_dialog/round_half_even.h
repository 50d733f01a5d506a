#pragma once

#include <cmath>

// To the nearest whole number, a half to the even neighbour (2.5 gives 2,
// 3.5 gives 4, -2.5 gives -2), whatever rounding mode the process is in.
inline double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction < 0.5) {
        return floor;
    }
    if (fraction > 0.5) {
        return floor + 1;
    }
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}
