#pragma once

#include <X11/Xlib.h>

#include <string>

#include "hack_window.h"

class Painting;
class GlxSurface;

// Draws frame after frame while the window is mapped, and waits for events
// while it is not, until a stop signal, the end of the window, or (in our own
// window) q, Escape or the close button. Returns the first X error met, or
// nothing after a plain end.
std::string runFrameLoop(Display* display, HackWindow& target, GlxSurface& surface,
                         Painting& painting, bool showFps);
