#pragma once

#include "rgb_image.h"

// The picture at another size, each pixel the mean of the part of the
// picture that it covers (weighted by how much of each pixel it covers): a
// whole-number enlargement repeats every pixel exactly, and any other size
// keeps the picture's colours and softens only the edges between them, as a
// picture drawn at that size would look.
RgbImage ScaledPicture(const RgbImage& picture, int width, int height);
