#pragma once

#include <windows.h>

#include <memory>

#include "display_power.h"
#include "painting.h"
#include "painting_loop.h"
#include "wgl_surface.h"

// The painting moving in the preview window, made and stepped as in a run,
// with the look that Velmora.ini beside the program chooses: the whole screen
// in miniature, its points and lines scaled by the preview's
// height over the primary screen's. No music, no cursor of its own.
class LivePreview : public PaintedFrames {
  public:
    // Sets up the painting on the window, which has its final size inside
    // its host. False, with nothing kept, where no pixel format or rendering
    // context can be had: the still then shows instead.
    bool start(HWND window, HWND host, PixelFormatRequest choice);
    // Gives the graphics back; the window is going.
    void stop();
    bool running() const { return painting_ != nullptr; }

    // Nobody sees the preview while the display is off or dimmed.
    void displayPowerChanged(DisplayPower power) { displayDark_ = !displayShowsPicture(power); }

    bool ended() override;
    bool wantsFrame() override;
    void drawFrame(int steps) override;
    FrameSchedule::Pacing pacing() override;

  private:
    HWND window_ = nullptr;
    HWND host_ = nullptr;
    bool displayDark_ = false;
    std::unique_ptr<WglSurface> surface_;
    std::unique_ptr<Painting> painting_;
};
