#pragma once

#include "frame_pace.h"

// What a program that shows the painting in a window gives the paced message
// loop: whether its window is gone, whether a frame is wanted now, the frame
// itself, and how its frames are to be paced.
class PaintedFrames {
  public:
    virtual ~PaintedFrames() = default;
    // The window the painting is shown in is gone without a word (a host
    // killed with its process sends none): the loop ends.
    virtual bool ended() { return false; }
    // False while nobody can see a frame (the display is off or dimmed, a
    // password is asked for).
    virtual bool wantsFrame() = 0;
    virtual void drawFrame(int steps) = 0;
    virtual FrameSchedule::Pacing pacing() = 0;
};

// Dispatches messages and draws a frame in every idle moment, at the
// painting's pace, until WM_QUIT or the end of the painting's window; returns
// the exit code. A message that comes while the loop waits is dispatched at
// once, and while no frame is wanted the loop only waits.
int runPaintingLoop(PaintedFrames& frames);
