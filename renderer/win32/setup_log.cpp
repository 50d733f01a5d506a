#include "setup_log.h"

#include <windows.h>

#include <cstdio>

namespace {

const char* swapPromise(const PixelFormatInUse& format) {
    if (format.index == 0) {
        return "none set";
    }
    if ((format.fields.dwFlags & kPfdSwapCopy) != 0) {
        return "swap copies (descriptor)";
    }
    if (format.swapMethod == kWglSwapCopyArb) {
        return "swap copies (WGL_SWAP_METHOD_ARB)";
    }
    return "swap promises no copy";
}

}  // namespace

void logSetUp(const WglSurface& surface, const Painting& painting) {
    const PixelFormatInUse& format = surface.pixelFormat();
    const ParticleSizing sizing = painting.particleSizing();
    char sizes[160] = "";
    if (sizing.nearest > 0.0f) {
        std::snprintf(sizes, sizeof(sizes), "; sizes x%.2f, nearest %.1f px of at most %.1f%s",
                      static_cast<double>(sizing.scale), static_cast<double>(sizing.nearest),
                      static_cast<double>(sizing.largest),
                      sizing.limited() ? ": larger sizes drawn at the largest" : "");
    }
    char line[768];
    std::snprintf(line, sizeof(line),
                  "Velmora: pixel format %d, %s, %s; refresh %d Hz, swap interval %d%s%s; %s\n",
                  format.index, swapPromise(format),
                  painting.keepsPicture() ? "the painting keeps a copy of each frame"
                                          : "no copy of the frame",
                  surface.refreshHz(), surface.swapInterval(),
                  surface.swapControlled() ? "" : " (no swap control: the program paces itself)",
                  sizes, settingsText(painting.settings()).c_str());
    OutputDebugStringA(line);
}

void logSetUp(const WglSurface& surface, const PaintingSet& paintings,
              const MonitorLayout& layout) {
    logSetUp(surface, paintings.painting(0));
    for (std::size_t i = 0; i < paintings.count() && i < layout.paintings.size(); ++i) {
        const ScreenRect& area = layout.paintings[i];
        char line[160];
        std::snprintf(line, sizeof(line),
                      "Velmora: painting %u of %u at %d,%d, %dx%d, sizes x%.2f\n",
                      static_cast<unsigned>(i + 1), static_cast<unsigned>(paintings.count()),
                      area.left, area.top, area.width(), area.height(),
                      static_cast<double>(paintings.painting(i).particleSizing().scale));
        OutputDebugStringA(line);
    }
}
