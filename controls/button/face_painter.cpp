#include "face_painter.h"

#include <cmath>

#include "plain_text.h"

namespace {

// The frame's corners are 60 twips (four pixels) square, and its pieces start
// one twip in from the left and top, which still falls on pixel 0.
constexpr double kCorner = 60;
constexpr double kInset = 1;
// The face pictures in twips, and the parts of them that the edges stretch.
constexpr double kPictureWidth = 960;
constexpr double kPictureHeight = 375;
constexpr double kPictureMiddleWidth = kPictureWidth - 2 * kCorner;    // 840
constexpr double kPictureMiddleHeight = kPictureHeight - 2 * kCorner;  // 255
constexpr double kPictureRightColumn = kPictureWidth - kCorner;        // 900
constexpr double kPictureBottomRow = kPictureHeight - kCorner;         // 315
constexpr float kCaptionMargin = 20;

// A span is a 16-bit signed number of twips; one that does not fit is not
// stored, and the span keeps its previous value.
void StoreSpan(std::int16_t& span, double twips) {
    const double rounded = std::nearbyint(twips);
    if (rounded >= -32768.0 && rounded <= 32767.0) {
        span = static_cast<std::int16_t>(rounded);
    }
}

std::uint8_t HexPair(const char* digits) {
    return static_cast<std::uint8_t>(HexDigitValue(digits[0]) * 16 + HexDigitValue(digits[1]));
}

void SetLevels(GradientVertex& vertex, const FaceColour& colour) {
    // The fill takes 16-bit levels: the 8-bit value goes in the high byte.
    vertex.red = static_cast<std::uint16_t>(colour.red << 8);
    vertex.green = static_cast<std::uint16_t>(colour.green << 8);
    vertex.blue = static_cast<std::uint16_t>(colour.blue << 8);
    vertex.alpha = 0;
}

}  // namespace

FaceColour FaceColourFromText(const char* hexText) {
    // "&H" then six hexadecimal digits, read as pairs in text order.
    const char* digits = hexText + 2;
    return {HexPair(digits), HexPair(digits + 2), HexPair(digits + 4)};
}

void FacePainter::DrawFace(FacePicture picture, std::uint8_t buttonMode, CaptionLabel& label) {
    switch (buttonMode) {
        case 1:
        case 3:
            ReverseGradient = false;
            break;
        case 2:
            ReverseGradient = true;
            break;
        default:
            // Mode 4 (and 0) draws with the direction of the drawing before.
            break;
    }

    const double width = canvas_.widthInTwips();
    const double height = canvas_.heightInTwips();
    StoreSpan(spans_.middleWidth, width - 2 * kCorner);
    StoreSpan(spans_.middleHeight, height - 2 * kCorner);
    StoreSpan(spans_.rightColumnX, width - kCorner);
    StoreSpan(spans_.bottomRowY, height - kCorner);

    canvas_.clear();
    FillFaceGradient();
    paintFrame(picture);
    canvas_.refresh();

    label.top = (static_cast<float>(height) - label.height - kCaptionMargin) / 2.0f;
    label.left = 0;
    label.width = static_cast<float>(width);
}

void FacePainter::FillFaceGradient() {
    static const FaceColour kWhite = FaceColourFromText(kFaceWhiteText);
    static const FaceColour kTint = FaceColourFromText(kFaceTintText);

    vertices_[0].x = 0;
    vertices_[0].y = 0;
    vertices_[1].x = canvas_.pixelWidth() - 1;
    vertices_[1].y = canvas_.pixelHeight() - 1;
    SetLevels(vertices_[0], ReverseGradient ? kTint : kWhite);
    SetLevels(vertices_[1], ReverseGradient ? kWhite : kTint);
    gradientRect_.upperLeft = 1;
    gradientRect_.lowerRight = 0;
    canvas_.fillGradientV(vertices_, gradientRect_);
    canvas_.refresh();
}

void FacePainter::paintFrame(FacePicture picture) {
    const double middleWidth = spans_.middleWidth;
    const double middleHeight = spans_.middleHeight;
    const double right = spans_.rightColumnX;
    const double bottom = spans_.bottomRowY;
    // Top-left corner, top edge, top-right corner, right edge, bottom-right
    // corner, bottom edge, bottom-left corner, left edge.
    piece(picture, {kInset, kInset, kCorner, kCorner}, {0, 0, kCorner, kCorner});
    piece(picture, {kCorner, kInset, middleWidth, kCorner},
          {kCorner, kInset, kPictureMiddleWidth, kCorner});
    piece(picture, {right, kInset, kCorner, kCorner},
          {kPictureRightColumn, kInset, kCorner, kCorner});
    piece(picture, {right, kCorner, kCorner, middleHeight},
          {kPictureRightColumn, kCorner, kCorner, kPictureMiddleHeight});
    piece(picture, {right, bottom, kCorner, kCorner},
          {kPictureRightColumn, kPictureBottomRow, kCorner, kCorner});
    piece(picture, {kCorner, bottom, middleWidth, kCorner},
          {kCorner, kPictureBottomRow, kPictureMiddleWidth, kCorner});
    piece(picture, {kInset, bottom, kCorner, kCorner}, {0, kPictureBottomRow, kCorner, kCorner});
    piece(picture, {kInset, kCorner, kCorner, middleHeight},
          {kInset, kCorner, kCorner, kPictureMiddleHeight});
}

void FacePainter::piece(FacePicture picture, const TwipRect& destination, const TwipRect& source) {
    // A control narrower or lower than its two corners has no room for the
    // edge between them: the edge is left out rather than drawn mirrored, and
    // the corners overlap, the later one on top.
    if (destination.width <= 0 || destination.height <= 0) {
        return;
    }
    canvas_.paintPicture(picture, destination, source);
}
