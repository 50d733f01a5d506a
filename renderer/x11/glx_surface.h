#pragma once

#include "graphics_surface.h"

#include <X11/Xlib.h>

#include <GL/glx.h>

#include <functional>
#include <utility>

#include "glx_config.h"
#include "glx_config_choice.h"

// The painting's surface on an X window: a GLX context of the configuration
// chosen for the window's visual, current on the window itself.
//
// Where the configuration promises nothing about the swap but GLX tells the
// back buffer's age, the surface says that the swap keeps the picture for as
// long as every swap left an age of 1, which spares the painting a copy of
// each frame; at the first other age it says so once (pictureLost), and the
// painting must keep its own copy from then on.
class GlxSurface : public GraphicsSurface {
  public:
    GlxSurface(Display* display, Window window, const GlxConfig& config)
        : display_(display), window_(window), config_(config) {}
    ~GlxSurface() override;

    GlxSurface(const GlxSurface&) = delete;
    GlxSurface& operator=(const GlxSurface&) = delete;

    void createContext() override;
    ClientRect clientRect() override;
    void makeCurrent() override;
    void swapBuffers() override;
    bool swapKeepsPicture() override {
        return config_.swapKeepsPicture || (watchesAge_ && ageWatch_.keepsPicture());
    }
    void releaseContext() override;

    // False when GLX could not create the context or make it current.
    bool ready() const { return context_ != nullptr && current_; }

    // Whether the swap is trusted with the picture only while the back
    // buffer's age stays 1.
    bool watchesBufferAge() const { return watchesAge_; }

    // True once, after the swap whose back buffer came back with another age
    // than 1; lastBufferAge() then says which.
    bool takePictureLost();
    unsigned int lastBufferAge() const { return lastAge_; }

    // Drawn over every finished frame right before the swap, after the
    // painting took any copy of it, so that it never becomes part of a trail
    // that the painting draws back.
    void setOverlay(std::function<void()> overlay) { overlay_ = std::move(overlay); }

  private:
    Display* display_;
    Window window_;
    GlxConfig config_;
    GLXContext context_ = nullptr;
    bool current_ = false;
    bool watchesAge_ = false;
    BufferAgeWatch ageWatch_;
    unsigned int lastAge_ = 0;
    bool pictureLost_ = false;
    std::function<void()> overlay_;
};
