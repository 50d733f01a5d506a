#include "hack_view.h"

#include <algorithm>

#include "view_fit.h"

namespace {

std::vector<MonitorArea> monitorsOf(const std::vector<ScreenRect>& heads) {
    std::vector<MonitorArea> monitors;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        monitors.push_back({heads[i], i == 0});
    }
    return monitors;
}

long overlap(const ScreenRect& a, const ScreenRect& b) {
    const long width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

}  // namespace

HackView hackView(bool root, const ScreenRect& window, const std::vector<ScreenRect>& heads,
                  const ScreenRect& screen) {
    if (root) {
        const MonitorLayout layout =
            monitorLayout(monitorsOf(heads), screen, MonitorChoice::kEveryMonitor);
        // The root's own coordinates are the screen's.
        MonitorLayout onRoot = layout;
        onRoot.window = screen;
        return {paintingAreas(onRoot), 0.0f, 0};
    }
    // The head that holds most of the window; the first where it lies on
    // none (a window off every head, or one not mapped yet).
    std::size_t head = 0;
    long most = 0;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        const long shared = overlap(window, heads[i]);
        if (shared > most) {
            most = shared;
            head = i;
        }
    }
    const int headHeight = heads.empty() ? screen.height() : heads[head].height();
    return {{ClientRect{0, 0, window.width(), window.height()}},
            miniatureSizeScale(window.height(), headHeight),
            head};
}
