#include "twips.h"

#include <cmath>

namespace {

int NearestPixel(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

PixelRect PixelsFromTwips(const TwipRect& rect, double twipsPerPixelX, double twipsPerPixelY) {
    const int left = NearestPixel(rect.x, twipsPerPixelX);
    const int top = NearestPixel(rect.y, twipsPerPixelY);
    const int right = NearestPixel(rect.x + rect.width, twipsPerPixelX);
    const int bottom = NearestPixel(rect.y + rect.height, twipsPerPixelY);
    return {left, top, right - left, bottom - top};
}
