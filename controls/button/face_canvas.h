#pragma once

#include <cstdint>

#include "face_picture.h"
#include "twips.h"

// A corner of the face gradient as the gradient fill takes it: a position in
// pixels and 16-bit channel levels, the 8-bit value in the high byte.
struct GradientVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;
};

// The gradient's rectangle, by the indices of its two vertices.
struct GradientRect {
    std::uint32_t upperLeft = 0;
    std::uint32_t lowerRight = 0;
};

// The control's persistent surface image, from which its window is repainted,
// and the face pictures that are copied onto it.
class FaceCanvas {
  public:
    virtual ~FaceCanvas() = default;

    // The surface's size in pixels, and the size of one pixel in twips.
    virtual int pixelWidth() const = 0;
    virtual int pixelHeight() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;

    // Fills the whole image with the control's background colour.
    virtual void clear() = 0;
    // A vertical gradient (GRADIENT_FILL_RECT_V) between two vertices: every
    // row one colour, from the top vertex's to the bottom vertex's, over the
    // columns and rows from the upper-left corner up to, not including, the
    // lower-right one.
    virtual void fillGradientV(const GradientVertex (&vertices)[2], const GradientRect& rect) = 0;
    // Copies a rectangle of a face picture (in the picture's twips) onto a
    // rectangle of the image (in the canvas's twips), scaled to fit.
    virtual void paintPicture(FacePicture picture, const TwipRect& destination,
                              const TwipRect& source) = 0;
    // Shows the image in the window now.
    virtual void refresh() = 0;

    double widthInTwips() const { return pixelWidth() * twipsPerPixelX(); }
    double heightInTwips() const { return pixelHeight() * twipsPerPixelY(); }
};
