#pragma once

#include <X11/Xlib.h>

#include <GL/glx.h>

// Asks for one swap per display refresh through whichever swap-control
// extension GLX offers, so that the painting's fixed per-frame motion runs at
// the display's pace. Needs the context current on the drawable.
void requestSwapPerRefresh(Display* display, int screen, GLXDrawable drawable);
