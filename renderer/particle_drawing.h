#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "flow.h"
#include "particle_batches.h"
#include "point_disc.h"
#include "renderer_settings.h"

// How large the particles are drawn on the current view.
struct ParticleScale {
    float pointSizeFactor;
    float lineWidthFactor;
    float spriteHalfSize;
    // Points and lines grow with the view (or shrink in a miniature) by this.
    float scale;
    // The largest point and line the implementation draws; 0 when unknown.
    float largestPoint;
    float largestLine;
    // Where points land, for drawing them as squares.
    PointView view;
};

// The display list that holds one sprite, and the texture it is drawn with.
constexpr unsigned kSpriteListName = 1;
constexpr unsigned kLightTextureName = 1;

// Every particle as its own batch: a size change (or a matrix and a list call
// for a sprite), a begin and an end each. The first way the painting was
// drawn; kept to measure the batched way against.
void drawOneByOne(const Flow& flow, int drawMode, const ParticleScale& scale);

// A frame's particles gathered flow by flow as they step, then drawn in a
// few batches from client vertex arrays (OpenGL 1.1): sprites all at once,
// points all at once as squares that carry the smooth point's disc in their
// texture, lines in runs of one width class. Colours, positions and blending
// are those of the one-by-one drawing.
class BatchedParticles {
  public:
    // Room for a whole frame of these settings, and for points the disc's
    // texture, made on the current context to look like its own smooth
    // points. Throws std::bad_alloc; leaves the buffer cleared.
    void prepare(const RendererSettings& settings);
    void release();

    void clear();
    void gather(const Flow& flow, const ParticleScale& scale);
    // Draws what was gathered and leaves the client arrays off.
    void draw();

    // For tests: what the next draw() would draw.
    const SizedBatches& lines() const { return lines_; }
    // Sprites and points: six or four corners a particle.
    const std::vector<TexturedVertex>& corners() const { return corners_; }
    std::size_t cornerCount() const { return cornerCount_; }
    DiscRim discRim() const { return rim_; }

    // Sprites are the two triangles of their square, as a strip makes them.
    static constexpr std::size_t kSpriteCorners = 6;
    static constexpr std::size_t kPointCorners = 4;
    // Points smaller than this many pixels are one triangle around their disc
    // instead of the two of a square: in a miniature the triangles, not the
    // pixels, are what the frame costs.
    static constexpr float kTrianglePointBelow = 8.0f;
    static constexpr std::size_t kSmallPointCorners = 3;
    // A point smaller than this would light no pixel at all where its
    // centre falls between pixel centres, and flicker as it moves; smooth
    // points are drawn no smaller (Mesa's software renderers draw them so).
    static constexpr float kSmallestPoint = 2.0f;
    const std::vector<TexturedVertex>& smallPointCorners() const { return smallCorners_; }
    std::size_t smallPointCornerCount() const { return smallCornerCount_; }

  private:
    void gatherSprites(const Flow& flow, float halfSize);
    void gatherPoints(const Flow& flow, const ParticleScale& scale);
    void gatherLines(const Flow& flow, const ParticleScale& scale);
    void makeDiscTexture();
    void drawPoints() const;
    void drawLines();

    int drawMode_ = kDrawPoints;
    SizedBatches lines_;
    std::vector<TexturedVertex> corners_;
    std::size_t cornerCount_ = 0;
    std::vector<TexturedVertex> smallCorners_;
    std::size_t smallCornerCount_ = 0;
    DiscRim rim_ = DiscRim::kHard;
    unsigned discTexture_ = 0;
};
