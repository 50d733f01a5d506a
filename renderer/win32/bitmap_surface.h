#pragma once

#include <windows.h>

#include "graphics_surface.h"

// The painting drawn into a picture in memory (a DIB section) rather than a
// window, through the system's OpenGL for bitmaps (Microsoft's generic one on
// Windows, OSMesa under Wine): for a small moving picture inside a window
// drawn with GDI, where a GL child window would not be seen (Wine puts none
// on the screen). A single buffer, so the picture stays from frame to frame.
class BitmapSurface : public GraphicsSurface {
  public:
    BitmapSurface(int width, int height) : width_(width), height_(height) {}
    ~BitmapSurface() override;

    BitmapSurface(const BitmapSurface&) = delete;
    BitmapSurface& operator=(const BitmapSurface&) = delete;

    void createContext() override;
    ClientRect clientRect() override { return {0, 0, width_, height_}; }
    void makeCurrent() override;
    // Waits until the frame is in the picture.
    void swapBuffers() override;
    bool swapKeepsPicture() override { return true; }
    void releaseContext() override;

    // Whether the context was made and is current: only then does the
    // picture show the painting.
    bool current() const { return current_; }

    // Copies the picture onto `target` at (x, y).
    void showAt(HDC target, int x, int y) const;

  private:
    int width_;
    int height_;
    HDC memory_ = nullptr;
    HBITMAP picture_ = nullptr;
    HGDIOBJ oldPicture_ = nullptr;
    HGLRC renderingContext_ = nullptr;
    bool current_ = false;
};
