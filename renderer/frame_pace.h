#pragma once

// Every motion of the painting is a fixed step per frame, and its look was
// made at about 60 frames a second. These rules keep that pace on any display,
// for the Windows renderer and the XScreenSaver hack alike.

// The time between two steps of the painting.
constexpr double kPaintingStepSeconds = 1.0 / 60.0;

// Frames that come more than a tenth faster than the painting's pace are not
// held back to it by the swap (no swap control, a driver that ignores it, a
// 75 Hz display): on such a surface the program waits for the next step itself.
// A display paced at 60 Hz stays below this, so its swap alone sets the pace.
constexpr double kUnpacedFrameSeconds = 1.0 / 66.0;

// How many display refreshes one swap should wait for, so that a display of
// this refresh rate shows about 60 frames a second: max(1, round(hz / 60)).
// Windows answers 0 or 1 for a rate it does not know; that gives 1.
int swapIntervalForRefresh(int refreshHz);

// A steady tick every `stepSeconds`, against which frames are started. A
// frame that ends early waits for the next tick; one that ends late starts the
// next frame at once, and one that ends more than a whole tick late starts the
// ticks afresh, so a slow machine is never slowed further and never hurries
// to catch up.
class FramePace {
  public:
    // A step of 0 or less never waits.
    explicit FramePace(double stepSeconds = kPaintingStepSeconds);

    // Called when a frame has been shown, with a monotonic time in seconds:
    // how long to wait before the next frame starts.
    double waitAfterFrame(double now);

  private:
    double step_;
    bool started_ = false;
    double nextTick_ = 0.0;
};

// Watches the frames as they are shown and tells whether the swap holds them
// to the display's pace. Until a whole measure of frames has been seen it
// trusts the swap; once the frames of a measure came faster than
// kUnpacedFrameSeconds on average, it says so for the rest of the run (the
// program's own wait would make them look paced afterwards).
class SwapPaceWatch {
  public:
    void frameShown(double now);
    bool swapPaces() const { return swapPaces_; }

  private:
    static constexpr int kFramesPerMeasure = 30;
    bool swapPaces_ = true;
    int frames_ = 0;
    double measureStart_ = 0.0;
};
