#pragma once

#include <cstdint>

#include "caption_label.h"
#include "face_canvas.h"

// The two colours of the face gradient, split from their hexadecimal texts
// pair by pair in text order (red, green, blue).
struct FaceColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};
FaceColour FaceColourFromText(const char* hexText);  // "&HC6C5D7"

inline constexpr char kFaceWhiteText[] = "&HFFFFFF";
inline constexpr char kFaceTintText[] = "&HC6C5D7";

// Paints a face of the button: clears the surface, fills the gradient, cuts a
// frame four pixels wide out of a face picture in eight pieces (corners at
// their size, edges stretched), and places the caption label. It keeps the
// gradient's direction and the drawing spans from one drawing to the next.
class FacePainter {
  public:
    explicit FacePainter(FaceCanvas& canvas) : canvas_(canvas) {}

    // `buttonMode` chooses the gradient's direction: 1 and 3 put white at the
    // top, 2 the tint; any other mode keeps the direction of the previous
    // drawing.
    void DrawFace(FacePicture picture, std::uint8_t buttonMode, CaptionLabel& label);
    void FillFaceGradient();

    bool reverseGradient() const { return ReverseGradient; }
    // The control's size in twips, that of the surface it paints.
    double widthInTwips() const { return canvas_.widthInTwips(); }
    double heightInTwips() const { return canvas_.heightInTwips(); }

    // The drawing spans in twips, 16-bit signed. A span that does not fit
    // keeps the value of the previous drawing.
    struct Spans {
        std::int16_t middleWidth = 0;
        std::int16_t middleHeight = 0;
        std::int16_t rightColumnX = 0;
        std::int16_t bottomRowY = 0;
    };
    const Spans& spans() const { return spans_; }

  private:
    void paintFrame(FacePicture picture);
    void piece(FacePicture picture, const TwipRect& destination, const TwipRect& source);

    FaceCanvas& canvas_;
    GradientVertex vertices_[2];
    GradientRect gradientRect_;
    bool ReverseGradient = false;
    Spans spans_;
};
