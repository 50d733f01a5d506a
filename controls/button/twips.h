#pragma once

// Lengths of the control are in twips, 1/1440 inch. A canvas turns them into
// its own pixels at its resolution; the face pictures were drawn for 96 dots
// per inch, so their pixels are always 15 twips.

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kPictureTwipsPerPixel = 15.0;

// A rectangle in twips; a size may be negative.
struct TwipRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// A rectangle in pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Both edges are rounded to the nearest pixel, so that pieces that meet in
// twips meet in pixels too, at any resolution.
PixelRect PixelsFromTwips(const TwipRect& rect, double twipsPerPixelX, double twipsPerPixelY);

inline double TwipsPerPixelAt(int dotsPerInch) {
    return kTwipsPerInch / dotsPerInch;
}
