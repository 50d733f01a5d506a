#include "monitor_layout.h"

#include <algorithm>

bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool operator!=(const ScreenRect& a, const ScreenRect& b) {
    return !(a == b);
}

namespace {

bool intersect(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool intersectsAny(const ScreenRect& area, const std::vector<ScreenRect>& areas) {
    return std::any_of(areas.begin(), areas.end(),
                       [&](const ScreenRect& other) { return intersect(area, other); });
}

ScreenRect primaryArea(const std::vector<MonitorArea>& monitors, const ScreenRect& primaryScreen) {
    const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                      [](const MonitorArea& m) { return m.primary; });
    if (primary != monitors.end() && !primary->area.empty()) {
        return primary->area;
    }
    return primaryScreen;
}

ScreenRect spanned(const ScreenRect& a, const ScreenRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

MonitorLayout monitorLayout(const std::vector<MonitorArea>& monitors,
                            const ScreenRect& primaryScreen, MonitorChoice choice) {
    const ScreenRect primary = primaryArea(monitors, primaryScreen);
    MonitorLayout layout{primary, {primary}, {}};
    for (const MonitorArea& monitor : monitors) {
        const ScreenRect& area = monitor.area;
        if (area.empty()) {
            continue;
        }
        if (choice == MonitorChoice::kEveryMonitor) {
            layout.window = spanned(layout.window, area);
            if (!intersectsAny(area, layout.paintings)) {
                layout.paintings.push_back(area);
            }
        } else if (!intersect(area, primary) &&
                   std::find(layout.covers.begin(), layout.covers.end(), area) ==
                       layout.covers.end()) {
            layout.covers.push_back(area);
        }
    }
    return layout;
}

std::vector<ClientRect> paintingAreas(const MonitorLayout& layout) {
    std::vector<ClientRect> areas;
    areas.reserve(layout.paintings.size());
    for (const ScreenRect& painting : layout.paintings) {
        areas.push_back({painting.left - layout.window.left, painting.top - layout.window.top,
                         painting.right - layout.window.left, painting.bottom - layout.window.top});
    }
    return areas;
}

LayoutChange layoutChange(const MonitorLayout& before, const MonitorLayout& after) {
    return LayoutChange{before.window != after.window, before.paintings != after.paintings,
                        before.covers != after.covers};
}
