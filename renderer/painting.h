#pragma once

#include <cstdint>
#include <vector>

#include "flow.h"
#include "flow_set.h"
#include "graphics_surface.h"
#include "kept_picture.h"
#include "particle_drawing.h"
#include "renderer_settings.h"
#include "view_fit.h"

// The size points or lines are drawn with on the current view.
struct ParticleSizing {
    // How much larger than on a screen of 1080 lines.
    float scale;
    // What a particle on the near face of the emitters' box asks for, in
    // pixels; 0 where the size is not in pixels (sprites).
    float nearest;
    // The largest the implementation draws; 0 when it does not say.
    float largest;

    // Sizes beyond the largest are drawn at the largest.
    bool limited() const { return largest > 0.0f && nearest > largest; }
};

// How the particles reach GL: gathered into a few batches, or each as its own
// batch, as the painting was first drawn (kept to be measured against).
enum class ParticleDrawing { kBatched, kOneByOne };

// The painting on a surface: the OpenGL set-up, one frame after another, and
// the teardown. It owns the flows and the random state that runs through the
// whole program.
class Painting {
  public:
    // The surface must outlive the painting.
    Painting(GraphicsSurface& surface, const RendererSettings& settings);

    // The full set-up. The calendar time seeds the random state; offscreen
    // tools pass a fixed seed instead to get a repeatable picture. False when
    // the flows' memory could not be had; everything made is released again
    // and the painting cannot be drawn.
    bool initGraphics(std::uint32_t seed);

    // The same set-up on a surface whose rendering context is made and
    // current already, for a painting that shares its surface with others.
    // False as above; the context is left to its owner.
    bool initOnCurrentContext(std::uint32_t seed);

    // Fades (or clears) the last picture, steps and draws every flow, shows
    // the result. With more than one step, the steps before the last are
    // painted without being shown, where a display cannot show every one.
    void drawFrame(int steps = 1);

    // drawFrame without showing the result: where several paintings share a
    // surface, one swap shows them all.
    void paintFrame(int steps = 1);

    // The painting's part of the window's client area, in the client's
    // coordinates (rows counted from the top), when it is not the whole area.
    // Given before the set-up.
    void setArea(const ClientRect& area) {
        area_ = area;
        areaGiven_ = true;
    }

    // The window's client area has a new size, or the painting a new part of
    // it: the viewport, the projection and the kept picture follow, and the
    // painting goes on from black, since nothing says what the resized
    // buffer holds. The same place and size again change nothing.
    void resize(const ClientRect& area);

    // The surface no longer keeps the picture across a swap, as it did so
    // far: from now on the painting keeps its own copy, and the trail starts
    // again from black, since the buffer now holds an older frame.
    void swapStoppedKeepingPicture();

    // Whether the painting keeps its finished picture itself, because the
    // surface's swap does not promise to.
    bool keepsPicture() const { return kept_.active(); }

    // Known once the graphics are set up, and anew after each resize.
    ParticleSizing particleSizing() const;

    // Points and lines scaled by `scale` whatever the view's height, for a
    // view that shows a screen in miniature. Given before the set-up; 0 or
    // less goes back to the scale for the view's own height.
    void setSizeScale(float scale) { givenSizeScale_ = scale; }

    // Given before the set-up; batched unless told otherwise.
    void setParticleDrawing(ParticleDrawing drawing) { drawing_ = drawing; }

    void releaseGraphics();

    // releaseGraphics for a painting that shares its surface: what the
    // painting made goes, the context stays. Needs the context still current.
    void releaseOwnGraphics();

    // For tools and tests that look into the simulation between frames.
    std::vector<Flow>& flows() { return flows_.flows(); }

    const RendererSettings& settings() const { return flows_.applied().fixed; }

  private:
    // Where the painting lies in GL's window coordinates, whose rows count
    // from the bottom.
    struct Viewport {
        int x;
        int y;
        int width;
        int height;

        bool operator==(const Viewport& other) const {
            return x == other.x && y == other.y && width == other.width && height == other.height;
        }
    };

    Viewport viewportOf(const ClientRect& area);
    void selectView() const;
    ParticleScale particleScale() const;
    void paintStep();
    void buildLightTexture();
    void buildSpriteList();
    void setParticleBlending();
    void setParticleTexturing();
    void frameView(const Viewport& viewport);
    void keepPicture();
    void startTrailFromBlack();
    void fadeLastPicture();

    const DerivedValues& derived() const { return flows_.applied().derived; }

    GraphicsSurface& surface_;
    FlowSet flows_;
    ClientRect area_{0, 0, 0, 0};
    bool areaGiven_ = false;
    Viewport view_{0, 0, 0, 0};
    double aspect_ = 1.0;
    TrailQuad trail_{0.0f, 0.0f};
    float sizeScale_ = 1.0f;
    float givenSizeScale_ = 0.0f;
    float largestPointSize_ = 0.0f;
    float largestLineWidth_ = 0.0f;
    KeptPicture kept_;
    ParticleDrawing drawing_ = ParticleDrawing::kBatched;
    BatchedParticles batches_;
};

// Whole seconds since 1970, as the set-up seeds the random state in the
// screen saver itself.
std::uint32_t calendarTime();
