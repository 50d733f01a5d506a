#include "frame_loop.h"

#include <poll.h>

#include <chrono>
#include <cmath>
#include <cstdio>

#include "fps_counter.h"
#include "fps_overlay.h"
#include "frame_pace.h"
#include "glx_surface.h"
#include "painting_set.h"
#include "stop_signal.h"
#include "x_errors.h"
#include "x_heads.h"

#include <X11/keysym.h>

namespace {

// How long a wait for events lasts at most before the stop flag is read
// again, should a signal arrive just before the wait begins.
constexpr int kEventWaitMs = 100;

struct LoopState {
    bool ended = false;
    bool resized = false;
};

// Index 0 is the key without shift: q and Q alike.
bool closesOwnWindow(XKeyEvent& event) {
    const KeySym key = XLookupKeysym(&event, 0);
    return key == XK_q || key == XK_Escape;
}

void handleEvent(XEvent& event, HackWindow& target, LoopState& state) {
    switch (event.type) {
        case ConfigureNotify:
            // A move or a restacking as well: the painting ignores a size it
            // already has.
            if (event.xconfigure.window == target.window) {
                state.resized = true;
            }
            break;
        case MapNotify:
            if (event.xmap.window == target.window) {
                target.mapped = true;
            }
            break;
        case UnmapNotify:
            if (event.xunmap.window == target.window) {
                target.mapped = false;
            }
            break;
        case VisibilityNotify:
            if (event.xvisibility.window == target.window) {
                target.obscured = event.xvisibility.state == VisibilityFullyObscured;
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == target.window) {
                state.ended = true;
            }
            break;
        case ClientMessage:
            // Only our own window has a close button that we answer.
            if (target.own && static_cast<Atom>(event.xclient.data.l[0]) == target.deleteWindow) {
                state.ended = true;
            }
            break;
        case KeyPress:
            if (target.own && closesOwnWindow(event.xkey)) {
                state.ended = true;
            }
            break;
        default:
            break;
    }
}

// Waits until an event arrives or the time has passed, whichever comes first;
// never longer than kEventWaitMs.
void waitForEvents(Display* display, double seconds) {
    XFlush(display);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    // Rounded up, so that the wait does not end just before its time and
    // come back for a wait of nothing.
    const double ms = std::ceil(seconds * 1000.0);
    const int timeout = ms < kEventWaitMs ? static_cast<int>(ms) : kEventWaitMs;
    // A signal ends the wait early: the handlers do not restart it.
    poll(&connection, 1, timeout);
}

// The window we draw in can go away before its DestroyNotify arrives, and
// the drawing then meets errors; such an end is a plain end.
bool windowGone(Display* display, Window window) {
    XWindowAttributes attributes{};
    const bool gone = XGetWindowAttributes(display, window, &attributes) == 0;
    takeXError(display);
    return gone;
}

double secondsNow() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

}  // namespace

std::string runFrameLoop(Display* display, HackWindow& target, GlxSurface& surface,
                         PaintingSet& paintings, const HackOptions& options, FpsOverlay* overlay) {
    LoopState state;
    // A window manager may have resized our window as it mapped it, after the
    // painting's set-up read its size and before any ConfigureNotify is read
    // here: the first frame takes the size the window has now.
    state.resized = true;
    // The painting's own pace is left to the swap wherever that holds the
    // frames to a display's refresh: a wait of our own would beat against it.
    // A -delay is kept whatever the swap does.
    FrameSchedule schedule({frameStepSeconds(options), !options.delayMicroseconds, false});
    FpsCounter fps;
    std::string error;
    for (;;) {
        while (XPending(display) > 0 && !state.ended) {
            XEvent event;
            XNextEvent(display, &event);
            handleEvent(event, target, state);
        }
        error = takeXError(display);
        if (!error.empty() && windowGone(display, target.window)) {
            return {};
        }
        if (stopRequested() || state.ended || !error.empty()) {
            break;
        }
        if (!target.seen()) {
            waitForEvents(display, kEventWaitMs / 1000.0);
            continue;
        }
        // The wait for the next frame watches the connection, so that a key,
        // the window's end or a signal ends the program at once.
        const double now = secondsNow();
        if (now < schedule.nextFrameAt()) {
            waitForEvents(display, schedule.nextFrameAt() - now);
            continue;
        }
        if (state.resized) {
            // A new size of the window, or new heads of the root window.
            state.resized = false;
            const HackView view = currentHackView(display, target.window);
            paintings.setSizeScale(view.sizeScale);
            paintings.follow(view.parts, paintingSeed(calendarTime(), view.headIndex));
        }
        paintings.drawFrame(schedule.stepsOfNextFrame());
        if (surface.takePictureLost()) {
            paintings.swapStoppedKeepingPicture();
            if (options.showFps) {
                std::fprintf(stderr,
                             "velmora: the back buffer came back with age %u: the painting keeps "
                             "a copy of each frame from now on\n",
                             surface.lastBufferAge());
            }
        }
        const double shown = secondsNow();
        if (options.showFps) {
            if (const auto rate = fps.frameShown(shown)) {
                std::fprintf(stderr, "velmora: %.1f frames/s\n", *rate);
                if (overlay != nullptr) {
                    overlay->setRate(*rate);
                }
            }
        }
        schedule.frameShown(shown);
    }
    return error;
}
