#pragma once

#include <vector>

#include "graphics_surface.h"
#include "monitor_choice.h"

// A rectangle of the virtual screen in pixels: left and top inside, right and
// bottom just outside, as the system gives monitors' areas.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
};

bool operator==(const ScreenRect& a, const ScreenRect& b);
bool operator!=(const ScreenRect& a, const ScreenRect& b);

// One monitor as the system lists it.
struct MonitorArea {
    ScreenRect area;
    bool primary;
};

// Where the renderer's windows go. The painting's window holds one painting
// per painted monitor, the primary's first; black covers go over the
// monitors the window leaves showing the desktop.
struct MonitorLayout {
    ScreenRect window;
    std::vector<ScreenRect> paintings;
    std::vector<ScreenRect> covers;
};

// The layout for the monitors in the order the system lists them. Without a
// monitor marked primary (a system that cannot list its monitors) the
// primary is primaryScreen, the screen's size at the origin.
//
// The main monitor only: the window and its painting over the primary, and a
// cover over every other monitor, except one that shows any part of the
// painting (a mirrored display, or a clone at a lower resolution), which a
// cover would hide it on, one that shows an earlier cover's area, and one
// without pixels.
//
// Every monitor: one window over all of them, so that a single swap shows
// every painting; a painting on the primary and on every other monitor in the
// listed order, except one that shows part of an earlier painting (a clone
// keeps showing what it shows of that one) and one without pixels. No covers:
// the window's black lies wherever no painting does.
MonitorLayout monitorLayout(const std::vector<MonitorArea>& monitors,
                            const ScreenRect& primaryScreen, MonitorChoice choice);

// The paintings' places in the window's client area. Throws std::bad_alloc.
std::vector<ClientRect> paintingAreas(const MonitorLayout& layout);

// What the renderer has to do when the monitors change while it runs.
struct LayoutChange {
    // The painting's window takes its new place and size.
    bool moveWindow;
    // The paintings take their new places; a new monitor gets a painting of
    // its own, and one that went takes its painting along.
    bool moveParts;
    // The covers are closed and opened anew over the new monitors.
    bool rebuildCovers;
};

LayoutChange layoutChange(const MonitorLayout& before, const MonitorLayout& after);
