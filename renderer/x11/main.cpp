// velmora: the painting as an XScreenSaver hack. It draws into the window
// XScreenSaver names, a window given by id, the root window, or a window of
// its own.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fps_overlay.h"
#include "frame_loop.h"
#include "glx_surface.h"
#include "hack_options.h"
#include "hack_window.h"
#include "painting.h"
#include "painting_look.h"
#include "renderer_settings.h"
#include "stop_signal.h"
#include "x_errors.h"

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "velmora: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    HackOptions options;
    std::string error;
    if (!parseHackOptions(argc, argv, std::getenv("XSCREENSAVER_WINDOW"), options, error)) {
        std::fprintf(stderr, "velmora: %s\n%s", error.c_str(), kHackUsage);
        return 1;
    }
    if (options.help) {
        std::fputs(kHackUsage, stdout);
        return 0;
    }
    // Before anything that takes resources, so that a stop at any time
    // releases them.
    installStopSignals();

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        const char* name = std::getenv("DISPLAY");
        return fail(std::string("cannot open display '") + (name != nullptr ? name : "") + "'");
    }
    noteXErrors();

    HackWindow target;
    if (!openHackWindow(display, options, target, error)) {
        XCloseDisplay(display);
        return fail(error);
    }

    int status = 0;
    {
        // The same second seeds the painting and draws a random preset.
        const std::uint32_t seed = calendarTime();
        GlxSurface surface(display, target.window, target.config);
        Painting painting(surface, settingsForLook(lookOfOptions(options, seed)));
        const bool made = painting.initGraphics(seed);
        if (!made || !surface.ready()) {
            const std::string xError = takeXError(display);
            status = fail("no OpenGL context for the window" +
                          (xError.empty() ? std::string() : ": " + xError));
        } else {
            FpsOverlay overlay;
            if (options.showFps) {
                // What the frame rate depends on besides the drawing: the
                // size, and whether each frame is also copied for the next.
                const ClientRect size = surface.clientRect();
                const char* keeping =
                    painting.keepsPicture()
                        ? "the painting keeps a copy of each frame (the swap may lose it)"
                    : surface.watchesBufferAge()
                        ? "the swap keeps the picture while the back buffer's age is 1"
                        : "the swap keeps the picture";
                const ParticleSizing sizing = painting.particleSizing();
                std::fprintf(stderr, "velmora: %dx%d, %s%s; %s\n", size.right, size.bottom, keeping,
                             sizing.limited() ? "; points and lines larger than the GL draws are "
                                                "drawn at its largest size"
                                              : "",
                             settingsText(painting.settings()).c_str());
                if (overlay.load(display)) {
                    surface.setOverlay([&overlay] { overlay.draw(); });
                } else {
                    std::fprintf(stderr, "velmora: no font to show the frame rate with\n");
                }
            }
            error = runFrameLoop(display, target, surface, painting, options,
                                 options.showFps ? &overlay : nullptr);
            surface.setOverlay(nullptr);
            overlay.release(display);
            if (!error.empty()) {
                status = fail(error);
            }
        }
        painting.releaseGraphics();
    }
    closeHackWindow(display, target);
    XCloseDisplay(display);
    return status;
}
