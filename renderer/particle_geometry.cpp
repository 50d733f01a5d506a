#include "particle_geometry.h"

namespace {

// Particles this far behind the far face of the emitters' box would get no
// size at all.
constexpr float kDepthOffset = 40.0f;
constexpr float kSmallestExtent = 0.01f;

float extentAt(float z) {
    const float extent = z + kDepthOffset;
    return extent < kSmallestExtent ? kSmallestExtent : extent;
}

SegmentEnd endAt(const Particle& particle, bool black) {
    SegmentEnd end{};
    end.position[0] = particle.x;
    end.position[1] = particle.y;
    end.position[2] = particle.z;
    if (!black) {
        end.colour[0] = particle.r;
        end.colour[1] = particle.g;
        end.colour[2] = particle.b;
    }
    return end;
}

}  // namespace

float pointSize(float z, float pointSizeFactor) {
    return extentAt(z) * pointSizeFactor;
}

float lineWidth(float z, float lineWidthFactor) {
    return extentAt(z) * lineWidthFactor;
}

LineSegment lineSegment(const Flow& flow, int particle) {
    LineSegment segment{};
    const ParticleLink& link = flow.links[static_cast<std::size_t>(particle)];
    if (link.older == -1) {
        return segment;
    }
    const ParticleLink& olderLink = flow.links[static_cast<std::size_t>(link.older)];
    segment.drawn = true;
    segment.newer = endAt(flow.particles.get(static_cast<std::size_t>(particle)), link.newer == -1);
    segment.older =
        endAt(flow.particles.get(static_cast<std::size_t>(link.older)), olderLink.older == -1);
    return segment;
}
