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

}  // namespace

MonitorLayout monitorLayout(const std::vector<MonitorArea>& monitors,
                            const ScreenRect& primaryScreen) {
    MonitorLayout layout{primaryScreen, {}};
    const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                      [](const MonitorArea& m) { return m.primary; });
    if (primary != monitors.end() && !primary->area.empty()) {
        layout.painting = primary->area;
    }
    for (const MonitorArea& monitor : monitors) {
        const ScreenRect& area = monitor.area;
        if (area.empty() || intersect(area, layout.painting) ||
            std::find(layout.covers.begin(), layout.covers.end(), area) != layout.covers.end()) {
            continue;
        }
        layout.covers.push_back(area);
    }
    return layout;
}

LayoutChange layoutChange(const MonitorLayout& before, const MonitorLayout& after) {
    return LayoutChange{before.painting != after.painting, before.covers != after.covers};
}
