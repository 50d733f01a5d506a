// velmora-still: renders frames of the painting without a window and writes
// the last one as a picture.

#include <cstdio>
#include <string>

#include "image_file.h"
#include "still_options.h"
#include "still_render.h"

int main(int argc, char** argv) {
    StillOptions options;
    std::string error;
    if (!parseStillOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "velmora-still: %s\n%s", error.c_str(), kStillUsage);
        return 2;
    }

    Picture picture;
    if (!renderStill(options, picture, error) || !writeImage(options.output, picture, error)) {
        std::fprintf(stderr, "velmora-still: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
