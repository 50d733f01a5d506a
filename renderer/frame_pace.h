#pragma once

// Every motion of the painting is a fixed step per frame, and its look was
// made at about 60 frames a second. These rules keep that pace on any display,
// for the Windows renderer, the preview and the XScreenSaver hack alike.

// The time between two steps of the painting.
constexpr double kPaintingStepSeconds = 1.0 / 60.0;

// Frames that come more than a tenth faster than the painting's pace are not
// held back to it by the swap (no swap control, a driver that ignores it): on
// such a surface the program waits for the next step itself. A display paced
// at 60 Hz stays below this, so its swap alone sets the pace.
constexpr double kUnpacedFrameSeconds = 1.0 / 66.0;

// How the swap is set for a display of this refresh rate.
struct SwapPlan {
    // Refreshes one swap waits for.
    int interval;
    // Whether swaps at that interval come at the painting's pace, within 5 %
    // (60, 120, 180, 240 Hz ...). Where they do not (75, 90, 100, 144, 165 Hz,
    // or 50), the program's own tick paces the steps and the swap only keeps
    // the picture from tearing.
    bool swapPaces;
    // A display slower than the pace (below 57 Hz) cannot show 60 frames a
    // second; the steps keep their pace by now and then painting two before
    // one swap.
    bool displaySlower;
};

// Windows answers 0 or 1 for a rate it does not know; that gives an interval
// of 1 that is trusted to pace until the frames show otherwise.
SwapPlan swapPlanForRefresh(int refreshHz);

// A steady tick every `stepSeconds`, against which frames are started. A
// frame that ends early waits for the next tick; one that ends late starts the
// next frame at once, and one that ends more than a whole tick late starts the
// ticks afresh, so a slow machine is never slowed further and never hurries
// to catch up. Only where the display is known to be the slower part may a
// frame carry one extra step.
class FramePace {
  public:
    // A step of 0 or less never waits.
    explicit FramePace(double stepSeconds = kPaintingStepSeconds, bool catchUp = false);

    // Called when a frame has been shown, with a monotonic time in seconds:
    // how long to wait before the next frame starts.
    double waitAfterFrame(double now);
    // How many steps the next frame paints: 1, or 2 where it catches up.
    int stepsOfNextFrame() const { return steps_; }

  private:
    double step_;
    bool catchUp_;
    bool started_ = false;
    double nextTick_ = 0.0;
    int steps_ = 1;
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

// When the frames of a paced loop start and how many steps each paints: the
// one rule of every program that shows the painting. The loop asks when the
// next frame is due, paints stepsOfNextFrame() steps (showing only the last),
// and tells when the frame was shown.
class FrameSchedule {
  public:
    struct Pacing {
        double stepSeconds;
        // Whether the swap may set the pace on its own; the frames are
        // watched all the same.
        bool swapMayPace;
        // Whether a frame may carry an extra step (see SwapPlan).
        bool catchUp;
    };

    explicit FrameSchedule(const Pacing& pacing);

    // A monotonic time in seconds before which the next frame does not start.
    double nextFrameAt() const { return nextFrameAt_; }
    int stepsOfNextFrame() const { return steps_; }
    void frameShown(double now);
    // Whether the loop is waiting on its own tick, rather than on the swap.
    bool pacesItself() const { return pacesItself_; }

  private:
    Pacing pacing_;
    FramePace pace_;
    SwapPaceWatch watch_;
    double nextFrameAt_ = 0.0;
    int steps_ = 1;
    bool pacesItself_ = false;
};
