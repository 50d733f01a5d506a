#include "still_render.h"

#include "painting.h"
#include "painting_look.h"

bool renderStill(const StillOptions& options, Picture& picture, std::string& error) {
    RendererSettings settings;
    if (options.preset) {
        settings = settingsForLook(kPresets[static_cast<std::size_t>(*options.preset)].look);
    }
    if (options.drawMode) {
        settings.drawMode = *options.drawMode;
    }

    OffscreenSurface surface(
        options.width, options.height,
        options.lossySwap ? OffscreenSwap::LosesPicture : OffscreenSwap::KeepsPicture);
    Painting painting(surface, settings);
    if (options.oneByOne) {
        painting.setParticleDrawing(ParticleDrawing::kOneByOne);
    }
    painting.initGraphics(options.seed);
    if (!surface.ready()) {
        error = "no offscreen OpenGL context of " + std::to_string(options.width) + "x" +
                std::to_string(options.height);
        painting.releaseGraphics();
        return false;
    }
    for (int frame = 0; frame < options.frames; ++frame) {
        painting.drawFrame();
    }
    picture = surface.picture();
    painting.releaseGraphics();
    return true;
}
