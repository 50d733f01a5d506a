#include "dialog_layout.h"

#include <cmath>

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;

std::int32_t RoundAwayFromZero(double value) {
    return static_cast<std::int32_t>(std::round(value));
}

}  // namespace

std::int32_t PixelsFromTwips(std::int32_t twips, std::int32_t dpi) {
    return RoundAwayFromZero(static_cast<double>(twips) * dpi / kTwipsPerInch);
}

PixelRect PixelsFromTwips(const TwipRect& rect, std::int32_t dpi) {
    return {PixelsFromTwips(rect.left, dpi), PixelsFromTwips(rect.top, dpi),
            PixelsFromTwips(rect.width, dpi), PixelsFromTwips(rect.height, dpi)};
}

std::int32_t FontPixelHeight(std::int32_t dpi) {
    return RoundAwayFromZero(dialog_layout::kFontPoints * dpi / kPointsPerInch);
}
