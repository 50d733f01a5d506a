#pragma once

#include "flow.h"

// What the drawing of one particle comes to, worked out without GL so that it
// can be checked on its own.

// Points and lines grow as the particle comes nearer; far behind the flows
// they keep a hair's breadth instead of vanishing or turning negative.
float pointSize(float z, float pointSizeFactor);
float lineWidth(float z, float lineWidthFactor);

struct SegmentEnd {
    float position[3];
    float colour[3];
};

// The line from a particle to the older one of its emitter's chain. The
// chain fades to black at both ends: at its newest particle and at the
// particle that has no older neighbour.
struct LineSegment {
    bool drawn;
    SegmentEnd newer;
    SegmentEnd older;
};

// Needs the flow's links, so only for line mode.
LineSegment lineSegment(const Flow& flow, int particle);
