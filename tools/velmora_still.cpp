// velmora-still: renders frames of the painting without a window and writes
// the last one as a picture.

#include <cstdio>
#include <string>

#include "image_file.h"
#include "offscreen_surface.h"
#include "painting.h"
#include "still_options.h"

int main(int argc, char** argv) {
    StillOptions options;
    std::string error;
    if (!parseStillOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "velmora-still: %s\n%s", error.c_str(), kStillUsage);
        return 2;
    }

    RendererSettings settings;
    if (options.drawMode) {
        settings.drawMode = *options.drawMode;
    }

    OffscreenSurface surface(options.width, options.height);
    Painting painting(surface, settings);
    painting.initGraphics(options.seed);
    if (!surface.ready()) {
        std::fprintf(stderr, "velmora-still: no offscreen OpenGL context of %dx%d\n", options.width,
                     options.height);
        painting.releaseGraphics();
        return 1;
    }
    for (int frame = 0; frame < options.frames; ++frame) {
        painting.drawFrame();
    }
    const Picture picture = surface.picture();
    painting.releaseGraphics();

    if (!writeImage(options.output, picture, error)) {
        std::fprintf(stderr, "velmora-still: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
