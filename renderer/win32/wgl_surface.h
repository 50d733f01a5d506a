#pragma once

#include <windows.h>

#include "frame_pace.h"
#include "graphics_surface.h"
#include "pixel_format_selection.h"

// How the surface sets the window's pixel format. kNone sets none, as where
// the device context offers no format that fits: no rendering context can be
// made then, and tests see what the program does without one.
enum class PixelFormatRequest { kBest, kNone };

// The painting's surface on a window of its own: the window's device context
// (its class has CS_OWNDC) with a WGL rendering context.
class WglSurface : public GraphicsSurface {
  public:
    explicit WglSurface(HWND window, PixelFormatRequest choice = PixelFormatRequest::kBest)
        : window_(window), choice_(choice) {}

    void createContext() override;
    ClientRect clientRect() override;
    void makeCurrent() override;
    void swapBuffers() override;
    bool swapKeepsPicture() override { return format_.swapKeepsPicture; }
    void releaseContext() override;

    // What the set-up took, for its log line.
    const PixelFormatInUse& pixelFormat() const { return format_; }
    int refreshHz() const { return refreshHz_; }
    int swapInterval() const { return swapPlan_.interval; }
    // False where the driver offers no swap interval: the swap then holds
    // the frames to no pace at all.
    bool swapControlled() const { return swapControlled_; }
    // How the frames are to be paced on this display: by the swap where it
    // comes at the painting's pace and the driver controls it, else by the
    // loop's own tick.
    FrameSchedule::Pacing pacing() const {
        return {kPaintingStepSeconds, swapControlled_ && swapPlan_.swapPaces,
                swapPlan_.displaySlower};
    }
    // Whether the rendering context was made and is current: where it is
    // not, nothing the painting draws will show.
    bool current() const { return current_; }

  private:
    HWND window_;
    PixelFormatRequest choice_;
    HDC deviceContext_ = nullptr;
    HGLRC renderingContext_ = nullptr;
    PixelFormatInUse format_{0, {0, 0, 0, 0}, 0, true};
    int refreshHz_ = 0;
    SwapPlan swapPlan_{1, true, false};
    bool swapControlled_ = false;
    bool current_ = false;
};
