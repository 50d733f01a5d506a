#include "point_disc.h"

#include <cmath>

namespace {

// The eye's distance from the flows' plane z = 0, and the depths it sees.
constexpr float kEyeZ = 15.0f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 10000.0f;

// Soft rims fade over a pixel of a point of this radius: the middle of the
// painting's sizes. Larger points get a slightly sharper rim, smaller ones a
// softer, as little as the eye can tell.
constexpr float kSoftRimRadius = 12.0f;

std::uint8_t texelOf(float value) {
    const float clamped = value < 0.0f ? 0.0f : value > 1.0f ? 1.0f : value;
    return static_cast<std::uint8_t>(clamped * 255.0f + 0.5f);
}

}  // namespace

void fillPointDisc(std::vector<std::uint8_t>& texels, int side, DiscRim rim) {
    texels.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0);
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            // Texel centres, in radii from the disc's centre.
            const float u =
                (static_cast<float>(column) + 0.5f) / static_cast<float>(side) * 2.0f - 1.0f;
            const float v =
                (static_cast<float>(row) + 0.5f) / static_cast<float>(side) * 2.0f - 1.0f;
            const float squared = u * u + v * v;
            float value = 0.0f;
            if (rim == DiscRim::kHard) {
                // Half a step above 1 - r^2, so that the alpha test's "more
                // than 0" falls on the rim itself rather than half a step
                // inside it.
                value = 1.0f - squared + 0.5f / 255.0f;
            } else {
                value = (1.0f - std::sqrt(squared)) * kSoftRimRadius + 0.5f;
            }
            // The outermost texels stay dark: a shape that reaches past the
            // square reads them for everything beyond it.
            const bool edge = row == 0 || column == 0 || row == side - 1 || column == side - 1;
            texels[static_cast<std::size_t>(row) * static_cast<std::size_t>(side) +
                   static_cast<std::size_t>(column)] = edge ? 0 : texelOf(value);
        }
    }
}

float pointSquareHalfSide(float x, float y, float z, float sizePixels, const PointView& view) {
    // The depth in front of the eye, which is also the clip coordinate w.
    const float w = kEyeZ - z;
    if (!(w >= kNearPlane && w <= kFarPlane)) {
        return 0.0f;
    }
    const double halfWidth = static_cast<double>(w) * view.aspect;
    if (x < -halfWidth || x > halfWidth || y < -w || y > w || view.viewHeight <= 0.0f) {
        return 0.0f;
    }
    // At that depth the view's height spans 2w units over viewHeight pixels.
    return sizePixels * w / view.viewHeight;
}
