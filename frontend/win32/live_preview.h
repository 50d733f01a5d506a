#pragma once

#include <windows.h>

#include <memory>

#include "painting.h"
#include "painting_loop.h"
#include "wgl_surface.h"

// The painting moving in the preview window, made and stepped as in a run:
// the whole screen in miniature, its points and lines scaled by the preview's
// height over the primary screen's. No music, no cursor of its own.
class LivePreview : public PaintedFrames {
  public:
    // Sets up the painting on the window, which has its final size. False,
    // with nothing kept, where no pixel format or rendering context can be
    // had: the still then shows instead.
    bool start(HWND window, PixelFormatRequest choice);
    // Gives the graphics back; the window is going.
    void stop();
    bool running() const { return painting_ != nullptr; }

    bool wantsFrame() override;
    void drawFrame() override;
    bool swapControlled() override;

  private:
    HWND window_ = nullptr;
    std::unique_ptr<WglSurface> surface_;
    std::unique_ptr<Painting> painting_;
};
