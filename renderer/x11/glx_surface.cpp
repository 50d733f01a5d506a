#include "glx_surface.h"

#include "swap_interval.h"

GlxSurface::~GlxSurface() {
    releaseContext();
}

void GlxSurface::createContext() {
    // Direct where the system allows it: the painting issues thousands of
    // small batches a frame.
    context_ = glXCreateNewContext(display_, config_.config, GLX_RGBA_TYPE, nullptr, True);
    // The age is the driver's own knowledge of its buffers, which only a
    // direct context reads without a round trip to the server each frame.
    watchesAge_ = context_ != nullptr && !config_.swapKeepsPicture &&
                  glXIsDirect(display_, context_) &&
                  hasGlxExtension(glXQueryExtensionsString(display_, config_.visual.screen),
                                  "GLX_EXT_buffer_age");
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
    if (overlay_) {
        overlay_();
    }
    glXSwapBuffers(display_, window_);
    if (watchesAge_ && ageWatch_.keepsPicture()) {
        unsigned int age = 0;
        glXQueryDrawable(display_, window_, GLX_BACK_BUFFER_AGE_EXT, &age);
        lastAge_ = age;
        if (ageWatch_.swapShown(static_cast<int>(age))) {
            pictureLost_ = true;
        }
    }
}

bool GlxSurface::takePictureLost() {
    const bool lost = pictureLost_;
    pictureLost_ = false;
    return lost;
}

void GlxSurface::releaseContext() {
    if (context_ != nullptr) {
        glXMakeCurrent(display_, None, nullptr);
        glXDestroyContext(display_, context_);
        context_ = nullptr;
    }
    current_ = false;
}
