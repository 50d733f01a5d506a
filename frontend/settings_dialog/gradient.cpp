#include "gradient.h"

#include <cmath>

#include "round_half_even.h"

namespace {

// Not pi: the shading was designed with this constant, and the last rows show
// it.
constexpr double kDivisor = 3.142;
constexpr double kBrightest = 220;
constexpr std::int32_t kLift = 30;

std::uint32_t Rgb(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

}  // namespace

std::int32_t GradientShade(std::int32_t y, std::int32_t height) {
    const double k = height / kDivisor;
    return static_cast<std::int32_t>(RoundHalfEven(std::fabs(std::sin(y / k)) * kBrightest));
}

std::uint32_t GradientColour(GradientTarget target, std::int32_t shade) {
    if (target == GradientTarget::kDialog) {
        return Rgb(shade, shade, shade + kLift);
    }
    return Rgb(shade + kLift, shade + kLift, shade + kLift);
}

void PaintGradient(GradientSurface& surface, GradientTarget target) {
    const std::int32_t height = surface.innerHeight();
    const std::int32_t width = surface.innerWidth();
    // With no rows the divisor would be 0 and there is nothing to shade.
    if (height <= 0) {
        return;
    }
    for (std::int32_t y = 0; y <= height; ++y) {
        surface.drawRow(y, width, GradientColour(target, GradientShade(y, height)));
    }
}
