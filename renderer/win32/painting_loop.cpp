#include <windows.h>

#include <cmath>

#include "frame_clock.h"
#include "frame_pace.h"
#include "painting_loop.h"

namespace {

// How often a loop that draws nothing looks whether its window is still there.
constexpr double kLookAgainSeconds = 0.1;

// Waits the time given, or less when a message comes: a key press or a
// mouse movement must still close at once.
void waitForMessage(double seconds) {
    const DWORD milliseconds = static_cast<DWORD>(std::ceil(seconds * 1000.0));
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
}

// Windows' timers tick every 15.6 ms unless asked for better; the waits
// between the painting's steps need the millisecond. Asked for only while the
// program paces itself, and given back at the end.
class FineTimer {
  public:
    ~FineTimer() {
        if (asked_) {
            timeEndPeriod(1);
        }
    }
    void ask() {
        if (!asked_) {
            asked_ = timeBeginPeriod(1) == TIMERR_NOERROR;
        }
    }

  private:
    bool asked_ = false;
};

}  // namespace

int runPaintingLoop(PaintedFrames& frames) {
    // Every motion of the painting is a fixed step per frame. The swap holds
    // the frames to the display's refresh where it comes at the painting's
    // pace; where it cannot, or lets them come faster anyway, the loop waits
    // for the next step itself.
    const FrameClock clock;
    FrameSchedule schedule(frames.pacing());
    FineTimer timer;
    MSG msg{};
    for (;;) {
        while (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (frames.ended()) {
                return 0;
            }
            if (!frames.wantsFrame()) {
                // Woken by any message; now and then to see whether the
                // window is still there.
                waitForMessage(kLookAgainSeconds);
                continue;
            }
            const double now = clock.now();
            if (now < schedule.nextFrameAt()) {
                waitForMessage(schedule.nextFrameAt() - now);
                continue;
            }
            frames.drawFrame(schedule.stepsOfNextFrame());
            schedule.frameShown(clock.now());
            if (schedule.pacesItself()) {
                timer.ask();
            }
        }
        if (GetMessageA(&msg, nullptr, 0, 0) == 0) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
