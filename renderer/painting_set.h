#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "graphics_surface.h"
#include "painting.h"
#include "renderer_settings.h"

// The seed of the painting with this index among those that share a surface:
// the seed itself for the first, so that a single painting is the one it
// always was, and for every other one a seed far from every other's, so that
// no two paintings show the same picture.
std::uint32_t paintingSeed(std::uint32_t seed, std::size_t index);

// One painting for each part of a surface (one part a monitor), each with its
// own flows, its own random state, its own projection and its own sizes for
// the part's shape and height. They are painted one after the other and shown
// by one swap: where several windows would each wait for the display's
// refresh and halve the pace, one swap waits once.
class PaintingSet {
  public:
    // The surface must outlive the set.
    PaintingSet(GraphicsSurface& surface, const RendererSettings& settings)
        : surface_(surface), settings_(settings) {}

    // Makes the surface's context and one painting for each part, in the
    // client area's coordinates, the one at index i seeded with
    // paintingSeed(seed, i). False when not even the first painting could be
    // set up: nothing is left then. Where a later painting cannot have its
    // memory, it and those after it are left out, and their parts stay
    // black.
    bool initGraphics(const std::vector<ClientRect>& areas, std::uint32_t seed);

    // The parts after a display change. The paintings that keep a part go on
    // there (from black where it moved or changed its size); a part beyond
    // the last painting gets a new one seeded as in initGraphics; a painting
    // beyond the last part goes. The whole buffer starts from black when
    // anything moved, since a part that went leaves its last picture behind.
    void follow(const std::vector<ClientRect>& areas, std::uint32_t seed);

    // Points and lines of every painting, now and later, scaled by `scale`
    // instead of by their part's height (see Painting::setSizeScale); taken
    // at the next set-up or resize.
    void setSizeScale(float scale);

    // Every painting paints its steps, then one swap shows them all.
    void drawFrame(int steps = 1);

    // See Painting::swapStoppedKeepingPicture; for every painting.
    void swapStoppedKeepingPicture();

    bool keepsPicture() const;
    std::size_t count() const { return paintings_.size(); }
    const Painting& painting(std::size_t index) const { return *paintings_[index]; }
    Painting& painting(std::size_t index) { return *paintings_[index]; }

    // Every painting, then the context.
    void releaseGraphics();

  private:
    bool addPainting(const ClientRect& area, std::uint32_t seed);
    void clearWholeBuffer();

    GraphicsSurface& surface_;
    RendererSettings settings_;
    std::vector<std::unique_ptr<Painting>> paintings_;
    std::vector<ClientRect> areas_;
    float sizeScale_ = 0.0f;
};
