#pragma once

#include <string>

#include "offscreen_surface.h"

enum class ImageFormat { Unknown, Png, Jpeg };

// By the file's ending, case ignored: .png, or .jpg and .jpeg.
ImageFormat imageFormatFor(const std::string& path);

// Writes the picture as PNG or as JPEG of quality 92, by the file's ending.
// On failure returns false and says why in `error`.
bool writeImage(const std::string& path, const Picture& picture, std::string& error);
