#pragma once

#include <string>

#include "rgb_image.h"

// Uncompressed 24-bit Windows bitmap files, the form in which the face
// pictures are kept and carried as resources.

// The whole file's bytes.
std::string BmpBytes(const RgbImage& image);

// Reads a 24-bit, uncompressed bitmap (rows bottom-up or top-down). On
// failure returns false and says why in `error`.
bool ReadBmp(const std::string& bytes, RgbImage& image, std::string& error);

bool WriteBmpFile(const std::string& path, const RgbImage& image, std::string& error);
bool ReadBmpFile(const std::string& path, RgbImage& image, std::string& error);
