#pragma once

#include <cstdint>
#include <vector>

#include <GL/osmesa.h>

#include "graphics_surface.h"

// A picture in memory, top row first, three bytes (red, green, blue) a pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    const std::uint8_t* pixel(int x, int y) const {
        return &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)) *
                    3];
    }
};

// What a swap of an offscreen surface leaves in the buffer the next frame
// starts from.
enum class OffscreenSwap {
    // The finished picture, as a single buffer or a copying swap leaves it.
    KeepsPicture,
    // Noise over the whole buffer, as the worst discarding swap of a real
    // driver might leave it; the surface then says that its swap does not
    // keep the picture.
    LosesPicture,
};

// A surface without a window: OSMesa renders into a buffer in memory. It has
// a single buffer, so a swap only waits until the frame is complete, and then
// keeps it or, when asked, spoils it as a lossy swap would.
class OffscreenSurface : public GraphicsSurface {
  public:
    OffscreenSurface(int width, int height, OffscreenSwap swap = OffscreenSwap::KeepsPicture);
    ~OffscreenSurface() override;

    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    void createContext() override;
    ClientRect clientRect() override;
    void makeCurrent() override;
    void swapBuffers() override;
    bool swapKeepsPicture() override { return swap_ == OffscreenSwap::KeepsPicture; }
    void releaseContext() override;

    // False when OSMesa could not create the context or make it current.
    bool ready() const { return context_ != nullptr && current_; }

    // The last finished frame, as the last swap showed it.
    Picture picture() const;

  private:
    void drawNoise();

    int width_;
    int height_;
    OffscreenSwap swap_;
    std::vector<std::uint8_t> buffer_;  // RGBA, bottom row first
    // Where a lossy swap puts the finished frame before it spoils the buffer:
    // what a screen would show.
    std::vector<std::uint8_t> shown_;
    std::vector<std::uint32_t> noise_;
    std::uint32_t noiseState_ = 0x9E3779B9u;
    OSMesaContext context_ = nullptr;
    bool current_ = false;
};
