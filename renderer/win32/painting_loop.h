#pragma once

// What a program that shows the painting in a window gives the paced message
// loop: whether a frame is wanted now, the frame itself, and whether the
// surface's swap can hold the frames to the display's pace.
class PaintedFrames {
  public:
    virtual ~PaintedFrames() = default;
    virtual bool wantsFrame() = 0;
    virtual void drawFrame() = 0;
    virtual bool swapControlled() = 0;
};

// Dispatches messages and draws a frame in every idle moment, at the
// painting's pace, until WM_QUIT; returns the exit code. A message that comes
// while the loop waits for the next step is dispatched at once.
int runPaintingLoop(PaintedFrames& frames);
