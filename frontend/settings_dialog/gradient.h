#pragma once

#include <cstdint>

// The two surfaces that PaintGradient shades: the dialog itself, in blue
// tints, and the music panel Pic_C(0), in greys.
enum class GradientTarget { kDialog, kPanel };

// A surface that draws in pixels: one horizontal line per row.
class GradientSurface {
  public:
    virtual ~GradientSurface() = default;

    // The inner size in pixels.
    virtual std::int32_t innerWidth() = 0;
    virtual std::int32_t innerHeight() = 0;
    // A line from (0, y) to (width, y), the end point excluded, in a colour
    // 0x00BBGGRR.
    virtual void drawRow(std::int32_t y, std::int32_t width, std::uint32_t colour) = 0;
};

// The shade of row y of a surface `height` pixels high: |sin(y / k)| x 220,
// k = height / 3.142, rounded with halves to even. Dark at the top and the
// bottom, 220 at the middle.
std::int32_t GradientShade(std::int32_t y, std::int32_t height);

// The colour of a shade: RGB(v, v, v + 30) on the dialog, RGB(v + 30, v + 30,
// v + 30) on the panel; 0x00BBGGRR.
std::uint32_t GradientColour(GradientTarget target, std::int32_t shade);

// Shades the whole surface, rows 0 to its height inclusive (the last one falls
// outside and is clipped by the surface). A surface without rows is left
// alone.
void PaintGradient(GradientSurface& surface, GradientTarget target);
