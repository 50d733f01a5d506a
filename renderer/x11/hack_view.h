#pragma once

#include <cstddef>
#include <vector>

#include "graphics_surface.h"
#include "monitor_layout.h"

// How the hack lays the painting out on the window it draws in.
struct HackView {
    // One painting per part, in the window's coordinates.
    std::vector<ClientRect> parts;
    // Points and lines scaled by this instead of by a part's height; 0 for a
    // part's own height.
    float sizeScale;
    // The index of the head the window lies on, which seeds its painting as
    // the painting of that head is seeded on the root window: XScreenSaver
    // starts one hack per head at the same moment, and each must differ.
    std::size_t headIndex;
};

// The view for a window at `window` (root coordinates) on a screen of
// `screen` whose heads (monitors, as Xinerama lists them, the first the
// primary) are `heads`; no heads is one head over the screen.
//
// The root window: a painting on every head, sized for that head, as the
// renderer paints every monitor (a head that clones part of another shows
// that one's painting). Any other window (XScreenSaver's own on each head,
// its settings pane's little preview, a window of the hack's own): one
// painting over the window, in miniature of the head it lies on, as the
// Windows preview scales: points and lines by the window's height over the
// head's, times the head's own scale for tall screens.
HackView hackView(bool root, const ScreenRect& window, const std::vector<ScreenRect>& heads,
                  const ScreenRect& screen);
