#include "preview.h"

#include <algorithm>

namespace {

// right - left of a system rectangle, never negative and never overflowing.
std::int32_t Extent(std::int32_t from, std::int32_t to) {
    const std::int64_t extent = static_cast<std::int64_t>(to) - from;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(extent, 0, INT32_MAX));
}

}  // namespace

bool SetUpPreview(PreviewPort& port, std::int32_t host) {
    WindowRect hostRect{};
    if (!port.getWindowRect(host, hostRect)) {
        return false;
    }
    const std::int32_t width = Extent(hostRect.left, hostRect.right);
    const std::int32_t height = Extent(hostRect.top, hostRect.bottom);

    if (!port.createPreviewWindow()) {
        return false;
    }
    // Only the child bit is added; whatever else the window has stays.
    port.setPreviewStyle(port.getPreviewStyle() | kChildWindowStyle);
    port.setPreviewParent(host);
    port.movePreviewWindow(0, 0, width, height);
    port.movePicture(0, 0, width, height);
    port.showPreviewWindow();
    return true;
}
