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
#include "painting_look.h"
#include "painting_set.h"
#include "renderer_settings.h"
#include "stop_signal.h"
#include "x_errors.h"
#include "x_heads.h"

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
        PaintingSet paintings(surface, settingsForLook(lookOfOptions(options, seed)));
        const HackView view = currentHackView(display, target.window);
        paintings.setSizeScale(view.sizeScale);
        const bool made = paintings.initGraphics(view.parts, paintingSeed(seed, view.headIndex));
        if (!made || !surface.ready()) {
            const std::string xError = takeXError(display);
            status = fail("no OpenGL context for the window" +
                          (xError.empty() ? std::string() : ": " + xError));
        } else {
            FpsOverlay overlay;
            if (options.showFps) {
                // What the frame rate depends on besides the drawing: the
                // size, the heads painted, and whether each frame is also
                // copied for the next.
                const ClientRect size = surface.clientRect();
                const char* keeping =
                    paintings.keepsPicture()
                        ? "the painting keeps a copy of each frame (the swap may lose it)"
                    : surface.watchesBufferAge()
                        ? "the swap keeps the picture while the back buffer's age is 1"
                        : "the swap keeps the picture";
                const std::string heads =
                    paintings.count() > 1 ? " on " + std::to_string(paintings.count()) + " heads"
                                          : std::string();
                const ParticleSizing sizing = paintings.painting(0).particleSizing();
                std::fprintf(stderr, "velmora: %dx%d%s, %s%s; %s\n", size.right, size.bottom,
                             heads.c_str(), keeping,
                             sizing.limited() ? "; points and lines larger than the GL draws are "
                                                "drawn at its largest size"
                                              : "",
                             settingsText(paintings.painting(0).settings()).c_str());
                if (overlay.load(display)) {
                    surface.setOverlay([&overlay] { overlay.draw(); });
                } else {
                    std::fprintf(stderr, "velmora: no font to show the frame rate with\n");
                }
            }
            error = runFrameLoop(display, target, surface, paintings, options,
                                 options.showFps ? &overlay : nullptr);
            surface.setOverlay(nullptr);
            overlay.release(display);
            if (!error.empty()) {
                status = fail(error);
            }
        }
        paintings.releaseGraphics();
    }
    closeHackWindow(display, target);
    XCloseDisplay(display);
    return status;
}
