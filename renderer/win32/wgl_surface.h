#pragma once

#include <windows.h>

#include "graphics_surface.h"
#include "pixel_format_selection.h"

// The painting's surface on the renderer's window: the window's own device
// context (the class has CS_OWNDC) with a WGL rendering context.
class WglSurface : public GraphicsSurface {
  public:
    explicit WglSurface(HWND window) : window_(window) {}

    void createContext() override;
    ClientRect clientRect() override;
    void makeCurrent() override;
    void swapBuffers() override;
    bool swapKeepsPicture() override { return format_.swapKeepsPicture; }
    void releaseContext() override;

    // What the set-up took, for its log line.
    const PixelFormatInUse& pixelFormat() const { return format_; }
    int refreshHz() const { return refreshHz_; }
    int swapInterval() const { return swapInterval_; }
    // False where the driver offers no swap interval: the swap then holds
    // the frames to no pace at all.
    bool swapControlled() const { return swapControlled_; }

  private:
    HWND window_;
    HDC deviceContext_ = nullptr;
    HGLRC renderingContext_ = nullptr;
    PixelFormatInUse format_{0, {0, 0, 0, 0}, 0, true};
    int refreshHz_ = 0;
    int swapInterval_ = 0;
    bool swapControlled_ = false;
};
