#include "frame_loop.h"

#include <poll.h>

#include <chrono>
#include <cstdio>

#include "fps_counter.h"
#include "glx_surface.h"
#include "painting.h"
#include "stop_signal.h"
#include "x_errors.h"

#include <X11/keysym.h>

namespace {

// How long a wait for events lasts at most before the stop flag is read
// again, should a signal arrive just before the wait begins.
constexpr int kEventWaitMs = 100;

struct LoopState {
    bool ended = false;
    bool resized = false;
    int width = 0;
    int height = 0;
};

// Index 0 is the key without shift: q and Q alike.
bool closesOwnWindow(XKeyEvent& event) {
    const KeySym key = XLookupKeysym(&event, 0);
    return key == XK_q || key == XK_Escape;
}

void handleEvent(XEvent& event, HackWindow& target, LoopState& state) {
    switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.window == target.window &&
                (event.xconfigure.width != state.width ||
                 event.xconfigure.height != state.height)) {
                state.width = event.xconfigure.width;
                state.height = event.xconfigure.height;
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

void waitForEvents(Display* display) {
    XFlush(display);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    // A signal ends the wait early: the handlers do not restart it.
    poll(&connection, 1, kEventWaitMs);
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
                         Painting& painting, bool showFps) {
    LoopState state;
    const ClientRect start = surface.clientRect();
    state.width = start.right;
    state.height = start.bottom;
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
        if (!target.mapped) {
            waitForEvents(display);
            continue;
        }
        if (state.resized) {
            state.resized = false;
            painting.resize(surface.clientRect());
        }
        painting.drawFrame();
        if (showFps) {
            if (const auto rate = fps.frameShown(secondsNow())) {
                std::fprintf(stderr, "velmora: %.1f frames/s\n", *rate);
            }
        }
    }
    return error;
}
