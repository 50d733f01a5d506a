#include "view_fit.h"

namespace {

constexpr float kTrailHalfWidth = 40.0f;
constexpr float kTrailHalfHeight = 17.0f;
constexpr double kWidestDesignedAspect = 8.0 / 3.0;
constexpr int kDesignedLines = 1080;

}  // namespace

TrailQuad trailQuadFor(double aspect) {
    if (aspect <= kWidestDesignedAspect) {
        return {kTrailHalfWidth, kTrailHalfHeight};
    }
    // The view's half width at z = 0 is the eye distance (15) times the
    // aspect, for a 90-degree field; 17 instead of 15 keeps the height's
    // margin.
    return {static_cast<float>(aspect * kTrailHalfHeight), kTrailHalfHeight};
}

float particleSizeScale(int viewHeight) {
    if (viewHeight <= kDesignedLines) {
        return 1.0f;
    }
    return static_cast<float>(viewHeight) / static_cast<float>(kDesignedLines);
}

float miniatureSizeScale(int viewHeight, int screenHeight) {
    if (screenHeight <= 0) {
        return particleSizeScale(viewHeight);
    }
    return static_cast<float>(viewHeight) / static_cast<float>(screenHeight) *
           particleSizeScale(screenHeight);
}

float limitedSize(float size, float largest) {
    return largest > 0.0f && size > largest ? largest : size;
}
