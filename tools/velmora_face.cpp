// velmora-face: draws faces of the button as a new control of the given size
// would, step by step, and writes the surface after the last step as PNG at
// 96 DPI. The caption is not painted.
//
//   velmora-face [--width TWIPS] [--height TWIPS] -o FILE.png MODE:FACE...

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "face_options.h"
#include "face_painter.h"
#include "face_pictures.h"
#include "image_file.h"
#include "software_canvas.h"

namespace {

constexpr int kDotsPerInch = 96;

int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixelAt(kDotsPerInch)));
}

Picture PictureOf(const RgbImage& image) {
    Picture picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgb = image.rgb;
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    FaceOptions options;
    std::string error;
    if (!ParseFaceOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "velmora-face: %s\n", error.c_str());
        return 2;
    }

    const FacePictureSet pictures = DrawFacePictures();
    SoftwareCanvas canvas(Pixels(options.widthTwips), Pixels(options.heightTwips), pictures,
                          kDotsPerInch);
    FacePainter painter(canvas);
    CaptionLabel label;
    for (const FaceStep& step : options.steps) {
        painter.DrawFace(step.face, step.buttonMode, label);
    }

    if (!writeImage(options.output, PictureOf(canvas.image()), error)) {
        std::fprintf(stderr, "velmora-face: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
