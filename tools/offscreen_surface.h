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

// A surface without a window: OSMesa renders into a buffer in memory. It has
// a single buffer, so a swap only waits until the frame is complete.
class OffscreenSurface : public GraphicsSurface {
  public:
    OffscreenSurface(int width, int height);
    ~OffscreenSurface() override;

    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    void createContext() override;
    ClientRect clientRect() override;
    void makeCurrent() override;
    void swapBuffers() override;
    void releaseContext() override;

    // False when OSMesa could not create the context or make it current.
    bool ready() const { return context_ != nullptr && current_; }

    // The last finished frame.
    Picture picture() const;

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> buffer_;  // RGBA, bottom row first
    OSMesaContext context_ = nullptr;
    bool current_ = false;
};
