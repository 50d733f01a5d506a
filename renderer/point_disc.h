#pragma once

#include <cstdint>
#include <vector>

// Points drawn as textured squares: one batch of quads instead of a size
// change and a batch for every point. The square carries the disc in its
// texture, so that it looks as the OpenGL implementation's own smooth point
// of that size would.

// How the implementation draws a smooth point's rim.
enum class DiscRim {
    // Every pixel whose centre lies within the radius is lit whole, none
    // outside (Mesa's software renderers draw smooth points so). The texture
    // holds 1 - r^2 of the distance r from the centre, in radii; an alpha
    // test keeps what lies within the disc.
    kHard,
    // The rim fades out over about a pixel, as antialiased points do. The
    // texture holds the coverage.
    kSoft,
};

// The largest side the texture needs: at 1024 texels a side a pixel of the
// largest full-screen point is decided within a fiftieth of a pixel of its
// rim. Smaller where the implementation offers less (the least any offers is
// 64).
constexpr int kPointDiscSide = 1024;

// One-byte alpha texels of a side x side disc, row by row.
void fillPointDisc(std::vector<std::uint8_t>& texels, int side, DiscRim rim);

// The view that points are projected onto: the eye 15 units in front of the
// flows looking along -z with a vertical field of 90 degrees.
struct PointView {
    double aspect;     // width / height
    float viewHeight;  // pixels
};

// The half side, in the flows' units, of the square that a point of
// `sizePixels` at depth z covers on the view; the square lies in the
// particle's own plane, facing the eye. 0 when the point is not drawn: GL
// draws a point only when its centre lies in the view (between the near and
// far planes and within the sides), so a square must not show a rim of a
// point beyond the edge either.
float pointSquareHalfSide(float x, float y, float z, float sizePixels, const PointView& view);
