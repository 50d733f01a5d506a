#include "dialog_layout.h"

#include <cmath>

namespace dialog_layout {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;

std::int32_t RoundAwayFromZero(double value) {
    return static_cast<std::int32_t>(std::round(value));
}

}  // namespace

std::int32_t Pixels(std::int32_t twips, std::int32_t dpi) {
    return RoundAwayFromZero(static_cast<double>(twips) * dpi / kTwipsPerInch);
}

PixelPlace Pixels(const Place& place, std::int32_t dpi) {
    return {Pixels(place.left, dpi), Pixels(place.top, dpi), Pixels(place.width, dpi),
            Pixels(place.height, dpi)};
}

Place LookListPlace(int list) {
    const LookPlace& place = kLookPlaces[list];
    const LookColumn& column = kLookColumns[place.column];
    const LookColumn& last = kLookColumns[1];
    const std::int32_t right =
        place.spansColumns ? last.listLeft + last.listWidth : column.listLeft + column.listWidth;
    return {column.listLeft, kLookRowTop + place.row * kLookRowStep, right - column.listLeft,
            kLookRowHeight};
}

Place LookCaptionPlace(int list) {
    const LookPlace& place = kLookPlaces[list];
    const LookColumn& column = kLookColumns[place.column];
    return {column.captionLeft, kLookRowTop + place.row * kLookRowStep + kLookCaptionDrop,
            column.captionWidth, kLookCaptionHeight};
}

std::int32_t FontPixelHeight(double points, std::int32_t dpi) {
    return RoundAwayFromZero(points * dpi / kPointsPerInch);
}

}  // namespace dialog_layout
