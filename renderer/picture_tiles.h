#pragma once

#include <vector>

// One texture of the kept picture and the part of the viewport it holds, in
// window pixels counted from the lower left corner as GL counts them. The
// texture is a power of two on each side, at least as large as its part.
struct PictureTile {
    int x;
    int y;
    int width;
    int height;
    int textureWidth;
    int textureHeight;
};

// Textures that together hold a viewport of width x height pixels, none
// larger than largestSide on a side (OpenGL 1.1 wants power-of-two sides and
// guarantees 64). A part that would waste more than a quarter of its texture
// is split instead, so the textures never take much more memory than the
// picture. Empty for an empty viewport.
std::vector<PictureTile> pictureTiles(int width, int height, int largestSide);
