#include "glx_surface.h"

#include "swap_interval.h"

GlxSurface::~GlxSurface() {
    releaseContext();
}

void GlxSurface::createContext() {
    // Direct where the system allows it: the painting issues thousands of
    // small batches a frame.
    context_ = glXCreateNewContext(display_, config_.config, GLX_RGBA_TYPE, nullptr, True);
}

ClientRect GlxSurface::clientRect() {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display_, window_, &attributes)) {
        return ClientRect{0, 0, 1, 1};
    }
    return ClientRect{0, 0, attributes.width, attributes.height};
}

void GlxSurface::makeCurrent() {
    current_ = context_ != nullptr && glXMakeCurrent(display_, window_, context_);
    if (current_) {
        requestSwapPerRefresh(display_, config_.visual.screen, window_);
    }
}

void GlxSurface::swapBuffers() {
    glXSwapBuffers(display_, window_);
}

void GlxSurface::releaseContext() {
    if (context_ != nullptr) {
        glXMakeCurrent(display_, None, nullptr);
        glXDestroyContext(display_, context_);
        context_ = nullptr;
    }
    current_ = false;
}
