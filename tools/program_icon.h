#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One image of the programs' icon: top row first, four bytes (red, green,
// blue, alpha) a pixel, not premultiplied.
struct IconImage {
    int size = 0;
    std::vector<std::uint8_t> rgba;
};

// The sizes Windows picks from: the small ones for title bars, lists and the
// taskbar, 256 for large views.
inline constexpr std::array<int, 5> kIconSizes = {16, 24, 32, 48, 256};

// Draws the icon's images from the painting, rendered offscreen (OSMesa) with
// a fixed seed, so the same build draws the same icon. False when no
// offscreen context could be had; `error` then says so.
bool DrawProgramIcon(std::vector<IconImage>& images, std::string& error);

// The .ico file of the images: 256 pixels as PNG, the usual form that keeps
// the file small, the others as 32-bit bitmaps with their transparency masks,
// which every Windows reads.
bool IconFileBytes(const std::vector<IconImage>& images, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Decodes a PNG image of an icon file, for comparing what two encoders made.
bool DecodeIconPng(const std::uint8_t* data, std::size_t size, IconImage& image);
