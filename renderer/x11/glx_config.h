#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <GL/glx.h>

#include <optional>

// A frame-buffer configuration to draw with, its X visual, and whether its
// swap keeps the picture.
struct GlxConfig {
    GLXFBConfig config = nullptr;
    XVisualInfo visual{};
    bool swapKeepsPicture = false;
};

// False with GLX older than 1.3, which has no frame-buffer configurations.
bool glxUsable(Display* display);

// The best configuration for a window that already exists with this visual
// (another program's window or the root window).
std::optional<GlxConfig> glxConfigForVisual(Display* display, int screen, VisualID visual);

// The best configuration for a window of our own, on a true-colour visual of
// the screen's depth.
std::optional<GlxConfig> glxConfigForNewWindow(Display* display, int screen);
