#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A picture in memory, top row first, three bytes (red, green, blue) a pixel.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    RgbImage() = default;
    RgbImage(int w, int h)
        : width(w), height(h), rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3) {}

    std::uint8_t* pixel(int x, int y) { return &rgb[offset(x, y)]; }
    const std::uint8_t* pixel(int x, int y) const { return &rgb[offset(x, y)]; }
    // 0xRRGGBB, the way colours are written by people.
    std::uint32_t colour(int x, int y) const {
        const std::uint8_t* p = pixel(x, y);
        return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 |
               p[2];
    }
    void setColour(int x, int y, std::uint32_t rrggbb) {
        std::uint8_t* p = pixel(x, y);
        p[0] = static_cast<std::uint8_t>(rrggbb >> 16);
        p[1] = static_cast<std::uint8_t>(rrggbb >> 8);
        p[2] = static_cast<std::uint8_t>(rrggbb);
    }
    bool operator==(const RgbImage& other) const {
        return width == other.width && height == other.height && rgb == other.rgb;
    }

  private:
    std::size_t offset(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)) *
               3;
    }
};
