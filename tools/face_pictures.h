#pragma once

#include "software_canvas.h"

// Draws the six 64 x 25 face pictures of the button from their ring colours:
// ring 0 is the outermost pixel ring, then the one-pixel outline (ring 1, or
// ring 2 for Pressed), then the glow. The corners round the outline off with
// blends; the top-left corner of Normal is the reference for them all. The
// centre is never used by the button and shows the face gradient only so
// that a person looking at a picture sees a button.
RgbImage DrawFacePicture(FacePicture picture);
FacePictureSet DrawFacePictures();
