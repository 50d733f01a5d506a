#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Drawing every particle as its own batch costs far more than its pixels:
// a size change, a begin and an end for each of thousands of particles. These
// gather a frame's particles instead and hand them to GL in a few batches.
// Light adds up the same in any order, so the order within a frame is free.

// Points and lines of one batch share one size. Sizes are grouped into
// classes kSizeClassesPerOctave to a doubling, each drawn at its middle, so a
// particle is drawn within about 0.6 % of its own size however large or small
// the view makes it (half a tenth of a pixel for the largest full-screen
// point, less in a miniature).
constexpr int kSizeClassesPerOctave = 64;

// The class of a size greater than 0, and the size its class is drawn with.
// Exact on every machine: worked out on the bits of the number.
std::uint32_t sizeClassOf(float size);
float sizeOfClass(std::uint32_t sizeClass);

// What GL draws for one vertex of a point or a line: colour, then position,
// as GL_C3F_V3F lays it out.
struct ColouredVertex {
    float r, g, b;
    float x, y, z;
};

// What GL draws for one corner of a sprite: texture coordinate, colour and
// position, as GL_T2F_C3F_V3F lays it out.
struct TexturedVertex {
    float s, t;
    float r, g, b;
    float x, y, z;
};

// Particles gathered in any order, each with the size it asks for, and given
// back sorted into runs of one size class. Every particle is `Vertices`
// vertices (a point one, a line two). The memory is taken once for the most
// particles a frame can have; gathering and sorting take none.
class SizedBatches {
  public:
    struct Run {
        float size;
        std::size_t first;  // index of the first vertex in vertices()
        std::size_t count;  // vertices
    };

    // Room for `particles` particles of `verticesEach` vertices. Throws
    // std::bad_alloc when the memory cannot be had.
    void reserve(std::size_t particles, std::size_t verticesEach);
    void release();

    void clear() { gathered_ = 0; }
    // Beyond the reserved room a particle is dropped.
    void add(float size, const ColouredVertex* vertices);

    // Sorts what was gathered into runs of one class, in growing size.
    void sort();

    // Valid after sort() until the next clear().
    const ColouredVertex* vertices() const { return sorted_.data(); }
    std::size_t runCount() const { return runCount_; }
    Run run(std::size_t index) const;
    std::size_t particleCount() const { return gathered_; }

  private:
    std::size_t verticesEach_ = 1;
    std::size_t gathered_ = 0;
    std::size_t runCount_ = 0;
    std::vector<ColouredVertex> added_;
    std::vector<ColouredVertex> sorted_;
    // Class in the high half, the particle's index in the low half: one sort
    // of plain numbers puts the particles of a class together.
    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> runClass_;
    std::vector<std::size_t> runFirst_;
};
