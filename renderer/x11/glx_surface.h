#pragma once

#include "graphics_surface.h"

#include <X11/Xlib.h>

#include <GL/glx.h>

#include "glx_config.h"

// The painting's surface on an X window: a GLX context of the configuration
// chosen for the window's visual, current on the window itself.
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
    bool swapKeepsPicture() override { return config_.swapKeepsPicture; }
    void releaseContext() override;

    // False when GLX could not create the context or make it current.
    bool ready() const { return context_ != nullptr && current_; }

  private:
    Display* display_;
    Window window_;
    GlxConfig config_;
    GLXContext context_ = nullptr;
    bool current_ = false;
};
