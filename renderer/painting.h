#pragma once

#include <cstdint>
#include <vector>

#include "flow.h"
#include "graphics_surface.h"
#include "random_source.h"
#include "renderer_settings.h"

// The painting on a surface: the OpenGL set-up, one frame after another, and
// the teardown. It owns the flows and the random state that runs through the
// whole program.
class Painting {
  public:
    // The surface must outlive the painting.
    Painting(GraphicsSurface& surface, const RendererSettings& settings);

    // The full set-up. The calendar time seeds the random state; offscreen
    // tools pass a fixed seed instead to get a repeatable picture.
    void initGraphics(std::uint32_t seed);

    // Fades (or clears) the last picture, steps and draws every flow, shows
    // the result.
    void drawFrame();

    void releaseGraphics();

    // For tools and tests that look into the simulation between frames.
    std::vector<Flow>& flows() { return flows_; }
    const RendererSettings& settings() const { return settings_; }

  private:
    void draw(const Flow& flow);
    void drawSprites(const Flow& flow);
    void drawPoints(const Flow& flow);
    void drawLines(const Flow& flow);
    void buildLightTexture();
    void buildSpriteList();
    void setParticleBlending();

    GraphicsSurface& surface_;
    RendererSettings settings_;
    DerivedValues derived_;
    RandomSource random_;
    std::vector<Flow> flows_;
};

// Whole seconds since 1970, as the set-up seeds the random state in the
// screen saver itself.
std::uint32_t calendarTime();
