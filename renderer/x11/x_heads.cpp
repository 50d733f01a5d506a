#include "x_heads.h"

#include <X11/extensions/Xinerama.h>

#include <vector>

#include "x_errors.h"

namespace {

std::vector<ScreenRect> xineramaHeads(Display* display) {
    std::vector<ScreenRect> heads;
    int eventBase = 0;
    int errorBase = 0;
    if (!XineramaQueryExtension(display, &eventBase, &errorBase) || !XineramaIsActive(display)) {
        return heads;
    }
    int count = 0;
    XineramaScreenInfo* screens = XineramaQueryScreens(display, &count);
    for (int i = 0; i < count; ++i) {
        const XineramaScreenInfo& s = screens[i];
        heads.push_back({s.x_org, s.y_org, s.x_org + s.width, s.y_org + s.height});
    }
    if (screens != nullptr) {
        XFree(screens);
    }
    return heads;
}

}  // namespace

HackView currentHackView(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) {
        takeXError(display);
        return hackView(false, ScreenRect{0, 0, 1, 1}, {}, ScreenRect{0, 0, 1, 1});
    }
    const Window root = attributes.root;
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child);
    const ScreenRect screen{0, 0, WidthOfScreen(attributes.screen),
                            HeightOfScreen(attributes.screen)};
    return hackView(window == root, ScreenRect{x, y, x + attributes.width, y + attributes.height},
                    xineramaHeads(display), screen);
}
