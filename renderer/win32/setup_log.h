#pragma once

#include "monitor_layout.h"
#include "painting.h"
#include "painting_set.h"
#include "wgl_surface.h"

// One line, for a debugger or Wine's debugstr channel, that says what the
// set-up took: the view, the pixel format and whether the painting keeps its
// own copy of each frame, the refresh rate and swap interval, and the size
// of points or lines, where the implementation cannot draw them as large as
// the screen asks; and the painting's settings.
void logSetUp(const WglSurface& surface, const Painting& painting);

// The same line for the first of the paintings, then one for each painting:
// its place on the screen, its size, and how much larger than on 1080 lines
// its points and lines are drawn.
void logSetUp(const WglSurface& surface, const PaintingSet& paintings, const MonitorLayout& layout);
