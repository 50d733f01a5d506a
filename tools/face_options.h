#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "face_picture.h"

// One step of velmora-face: set ButtonMode, then draw a face.
struct FaceStep {
    std::uint8_t buttonMode = 0;
    FacePicture face = FacePicture::Normal;
};

// What velmora-face is asked to draw.
struct FaceOptions {
    int widthTwips = 960;
    int heightTwips = 375;
    std::string output;
    std::vector<FaceStep> steps;
};

// Reads `[--width TWIPS] [--height TWIPS] -o FILE.png MODE:FACE...` (argv[0]
// is the program). On a bad argument returns false and says why in `error`,
// in one line.
bool ParseFaceOptions(int argc, const char* const* argv, FaceOptions& options, std::string& error);
