#pragma once

#include "monitor_layout.h"
#include "painting_set.h"
#include "wgl_surface.h"

// Lines for a debugger or Wine's debugstr channel that say what the set-up
// took: first the pixel format and whether the paintings keep their own copy
// of each frame, the refresh rate and swap interval, and the size of the first
// painting's points or lines, where the implementation cannot draw them as
// large as the screen asks; then each painting's place on the screen, its
// size and how much larger than on 1080 lines its points and lines are drawn.
void logSetUp(const WglSurface& surface, const PaintingSet& paintings, const MonitorLayout& layout);
