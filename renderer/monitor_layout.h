#pragma once

#include <vector>

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

// Where the renderer's windows go: the painting over the primary monitor, and
// one black cover over every other monitor, so that no monitor goes on
// showing the desktop.
struct MonitorLayout {
    ScreenRect painting;
    std::vector<ScreenRect> covers;
};

// The layout for the monitors in the order the system lists them. Without a
// monitor marked primary (a system that cannot list its monitors) the
// painting takes primaryScreen, the screen's size at the origin. A monitor
// that shows any part of the painting (a mirrored display, or a clone at a
// lower resolution) gets no cover, which would hide the painting there; nor
// does one that shows an earlier cover's area, nor one without pixels.
MonitorLayout monitorLayout(const std::vector<MonitorArea>& monitors,
                            const ScreenRect& primaryScreen);

// What the renderer has to do when the monitors change while it runs.
struct LayoutChange {
    // The painting's window goes to the new primary monitor; its viewport
    // and projection follow a new size.
    bool movePainting;
    // The covers are closed and opened anew over the new monitors.
    bool rebuildCovers;
};

LayoutChange layoutChange(const MonitorLayout& before, const MonitorLayout& after);
