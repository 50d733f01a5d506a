#include "face_pictures.h"

#include <algorithm>
#include <cmath>

#include "face_painter.h"

namespace {

constexpr int kLastColumn = kFacePictureWidth - 1;  // 63
constexpr int kLastRow = kFacePictureHeight - 1;    // 24
constexpr int kRings = 4;
// The side columns shade over the rows that the edge pieces stretch.
constexpr int kShadeFirstRow = 4;
constexpr int kShadeLastRow = 20;

constexpr std::uint32_t kOutline = 0x003C74;
constexpr std::uint32_t kDialogBeige = 0xECE9D8;

// A side column's colour from the top of the stretched part to its bottom.
struct Shade {
    std::uint32_t top;
    std::uint32_t bottom;
};

constexpr Shade Even(std::uint32_t colour) {
    return {colour, colour};
}

// One pixel ring: its rows along the top and bottom edges (uniform, with the
// pixel next to each corner in a colour of its own), and its columns.
struct Ring {
    std::uint32_t top;
    std::uint32_t topNextToCorner;
    std::uint32_t bottom;
    std::uint32_t bottomNextToCorner;
    Shade left;
    Shade right;
};

constexpr Ring Plain(std::uint32_t colour) {
    return {colour, colour, colour, colour, Even(colour), Even(colour)};
}

struct Design {
    Ring rings[kRings];
    int outlineRing;
};

// Outside the outline on Normal, HighLight and Selected; one ring further in
// on Pressed.
constexpr Ring kNormalOutside = {0xDCD6C2, 0xE0DCC9,       0xFAFAF6,
                                 0xF8F7F0, Even(0xE2DECB), Even(0xF0EEE0)};

Design DesignOf(FacePicture picture) {
    switch (picture) {
        case FacePicture::Normal:
            return {{kNormalOutside,
                     Plain(kOutline),
                     {0xF3F3EE,
                      0xF3F3EE,
                      0xD6D0C5,
                      0xD6D0C5,
                      {0xFDFDFC, 0xECEBE6},
                      {0xF6F4F2, 0xE0DDD4}},
                     {0xF3F3EE,
                      0xF3F3EE,
                      0xE2DFD6,
                      0xE2DFD6,
                      {0xFDFDFC, 0xECEBE6},
                      {0xFBFBFA, 0xE4E2DA}}},
                    1};
        case FacePicture::HighLight:
        case FacePicture::HighLightSelect:
            return {{kNormalOutside,
                     Plain(kOutline),
                     {0xFFF0CF,
                      0xFFF0CF,
                      0xE59700,
                      0xE59700,
                      {0xFEDF9A, 0xF9B435},
                      {0xFEDF9A, 0xF9B435}},
                     {0xFDD889,
                      0xFDD889,
                      0xF8B330,
                      0xF8B330,
                      {0xFCD279, 0xF8B535},
                      {0xFCD279, 0xF8B535}}},
                    1};
        case FacePicture::Selected: {
            const Ring glow = {
                0xCEE7FF, 0xCEE7FF, 0x6982EE, 0x6982EE, {0xB7D0F4, 0x8BADE4}, {0xB7D0F4, 0x8BADE4}};
            return {{kNormalOutside, Plain(kOutline), glow, glow}, 1};
        }
        case FacePicture::Pressed:
            return {{Plain(kDialogBeige),
                     kNormalOutside,
                     Plain(kOutline),
                     {0xD1CCC1, 0xD1CCC1, 0xF2F1EE, 0xF2F1EE, Even(0xD8D5CB), Even(0xE5E4DC)}},
                    2};
        case FacePicture::Disable:
        default:
            return {{Plain(kDialogBeige), Plain(0xC9C7BA), Plain(0xF5F4EA), Plain(0xF5F4EA)}, 1};
    }
}

std::uint8_t Channel(std::uint32_t colour, int shift) {
    return static_cast<std::uint8_t>(colour >> shift);
}

// `from` blended towards `to` by `amount` (0 keeps `from`, 1 gives `to`).
std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double amount) {
    std::uint32_t mixed = 0;
    for (int shift : {16, 8, 0}) {
        const double a = Channel(from, shift);
        const double b = Channel(to, shift);
        const auto value = static_cast<std::uint32_t>(std::lround(a + (b - a) * amount));
        mixed |= value << shift;
    }
    return mixed;
}

std::uint32_t Shaded(const Shade& shade, int y) {
    const int row = std::clamp(y, kShadeFirstRow, kShadeLastRow);
    return Mix(shade.top, shade.bottom,
               static_cast<double>(row - kShadeFirstRow) / (kShadeLastRow - kShadeFirstRow));
}

// What a corner is blended from, seen from the corner: the rows run along its
// horizontal edge and the columns along its vertical one, each at the corner's
// end, counted in rings from the outline's outside.
struct CornerColours {
    std::uint32_t outsideRow;  // the outside row's pixel next to the corner
    std::uint32_t outsideColumn;
    std::uint32_t innerRow[2];  // the two rings inside the outline
    std::uint32_t innerColumn[2];
    std::uint32_t outline;
    std::uint32_t background;  // what the outside fades to at the very corner
};

// How much of the outline covers each pixel of a corner, row by row from the
// outer edge, fitted to the top-left corner of Normal: the outline's own
// corner pixel is left out and the arc passes the pixels beside it.
constexpr double kOutlineCover[4][4] = {
    {0, 0, 0, 0},
    {0, 0, 0.45, 0.83},
    {0, 0.45, 0.65, 0.2},
    {0, 0.83, 0.24, 0},
};
// How far the outside fades to the background towards the very corner, along
// the outer row and the outer column.
constexpr double kRowFade[4] = {0.75, 0.33, 0.08, 0};
constexpr double kColumnFade[4] = {0.75, 0.2, 0, 0};

// A pixel of a corner whose outline is its ring 1; r counts rows from the
// corner's horizontal edge, c columns from its vertical edge.
std::uint32_t CornerPixel(int r, int c, const CornerColours& k) {
    const std::uint32_t cornerOutside = Mix(k.outsideRow, k.outsideColumn, 0.5);
    std::uint32_t under;
    if (r == 0 && c == 0) {
        under = Mix(cornerOutside, k.background, kRowFade[0]);
    } else if (r == 0) {
        under = Mix(k.outsideRow, k.background, kRowFade[c]);
    } else if (c == 0) {
        under = Mix(k.outsideColumn, k.background, kColumnFade[r]);
    } else if (r == 1 && c == 1) {
        under = Mix(cornerOutside, k.background, kRowFade[1]);
    } else if (r == 1) {
        under = k.outsideRow;
    } else if (c == 1) {
        under = k.outsideColumn;
    } else if (r == c) {
        under = Mix(k.innerRow[r - 2], k.innerColumn[c - 2], 0.5);
    } else if (r < c) {
        under = k.innerRow[r - 2];
    } else {
        under = k.innerColumn[c - 2];
    }
    return Mix(under, k.outline, kOutlineCover[r][c]);
}

// The reference: the top-left corner of Normal, row by row.
constexpr std::uint32_t kNormalTopLeft[4][4] = {
    {0xE9E7D5, 0xE4DFCE, 0xE1DDCA, 0xE0DCC9},
    {0xE4DFCE, 0xE6E1D0, 0x7A95A8, 0x255783},
    {0xE2DECB, 0x7A95A8, 0x557DA2, 0xC0CFDD},
    {0xE2DECB, 0x255783, 0xBFCEDC, 0xFEFEFE},
};

void PaintCentre(RgbImage& image) {
    const FaceColour white = FaceColourFromText(kFaceWhiteText);
    const FaceColour tint = FaceColourFromText(kFaceTintText);
    const std::uint32_t top = static_cast<std::uint32_t>(white.red) << 16 |
                              static_cast<std::uint32_t>(white.green) << 8 | white.blue;
    const std::uint32_t bottom = static_cast<std::uint32_t>(tint.red) << 16 |
                                 static_cast<std::uint32_t>(tint.green) << 8 | tint.blue;
    for (int y = kRings; y <= kLastRow - kRings; ++y) {
        const std::uint32_t colour =
            Mix(top, bottom, static_cast<double>(y - kRings) / (kLastRow - 2 * kRings));
        for (int x = kRings; x <= kLastColumn - kRings; ++x) {
            image.setColour(x, y, colour);
        }
    }
}

void PaintRings(RgbImage& image, const Design& design) {
    for (int ring = 0; ring < kRings; ++ring) {
        const Ring& colours = design.rings[ring];
        for (int y = ring; y <= kLastRow - ring; ++y) {
            image.setColour(ring, y, Shaded(colours.left, y));
            image.setColour(kLastColumn - ring, y, Shaded(colours.right, y));
        }
        for (int x = kRings; x <= kLastColumn - kRings; ++x) {
            image.setColour(x, ring, colours.top);
            image.setColour(x, kLastRow - ring, colours.bottom);
        }
    }
}

void PaintCorner(RgbImage& image, const Design& design, bool right, bool bottom) {
    const int shift = design.outlineRing - 1;  // Pressed has everything one ring further in
    const auto row = [&](int ring) {
        const Ring& r = design.rings[ring];
        return bottom ? r.bottom : r.top;
    };
    const auto column = [&](int ring) {
        const Ring& r = design.rings[ring];
        const Shade& side = right ? r.right : r.left;
        return bottom ? side.bottom : side.top;
    };
    const Ring& outside = design.rings[shift];
    CornerColours k{};
    k.outsideRow = bottom ? outside.bottomNextToCorner : outside.topNextToCorner;
    k.outsideColumn = column(shift);
    for (int i = 0; i < 2; ++i) {
        const int ring = std::min(design.outlineRing + 1 + i, kRings - 1);
        k.innerRow[i] = row(ring);
        k.innerColumn[i] = column(ring);
    }
    k.outline = row(design.outlineRing);
    k.background = shift > 0 ? row(0) : kDialogBeige;

    for (int r = 0; r < kRings; ++r) {
        for (int c = 0; c < kRings; ++c) {
            const int x = right ? kLastColumn - c : c;
            const int y = bottom ? kLastRow - r : r;
            const bool outsideTheModel = r < shift || c < shift;
            image.setColour(x, y, outsideTheModel ? row(0) : CornerPixel(r - shift, c - shift, k));
        }
    }
}

}  // namespace

RgbImage DrawFacePicture(FacePicture picture) {
    RgbImage image(kFacePictureWidth, kFacePictureHeight);
    const Design design = DesignOf(picture);
    PaintCentre(image);
    PaintRings(image, design);
    for (bool right : {false, true}) {
        for (bool bottom : {false, true}) {
            PaintCorner(image, design, right, bottom);
        }
    }
    if (picture == FacePicture::Normal) {
        for (int r = 0; r < kRings; ++r) {
            for (int c = 0; c < kRings; ++c) {
                image.setColour(c, r, kNormalTopLeft[r][c]);
            }
        }
    }
    return image;
}

FacePictureSet DrawFacePictures() {
    FacePictureSet pictures;
    for (FacePicture picture : kFacePictures) {
        pictures[FacePictureIndex(picture)] = DrawFacePicture(picture);
    }
    return pictures;
}
