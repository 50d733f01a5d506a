#pragma once

#include <windows.h>

#include "graphics_surface.h"

// The painting's surface on the renderer's window: the window's own device
// context (the class has CS_OWNDC) with a WGL rendering context.
class WglSurface : public GraphicsSurface {
  public:
    explicit WglSurface(HWND window) : window_(window) {}

    void createContext() override;
    ClientRect clientRect() override;
    void makeCurrent() override;
    void swapBuffers() override;
    bool swapKeepsPicture() override { return keepsPicture_; }
    void releaseContext() override;

  private:
    HWND window_;
    HDC deviceContext_ = nullptr;
    HGLRC renderingContext_ = nullptr;
    bool keepsPicture_ = true;
};
