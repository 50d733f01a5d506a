#pragma once

#include <X11/Xlib.h>

#include <string>

#include "hack_options.h"
#include "hack_window.h"

class FpsOverlay;
class PaintingSet;
class GlxSurface;

// Draws frame after frame at the pace the options ask for while the window is
// mapped and not wholly covered, and waits for events while it is not, until a stop signal, the end
// of the window, or (in our own window) q, Escape or the close button. With
// -fps it gives the overlay the rate once a second and prints it. Returns the
// first X error met, or nothing after a plain end.
std::string runFrameLoop(Display* display, HackWindow& target, GlxSurface& surface,
                         PaintingSet& paintings, const HackOptions& options, FpsOverlay* overlay);
