#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "face_painter.h"
#include "fake_button_ports.h"
#include "software_canvas.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kTint = 0xC6C5D7;

const FacePictureSet& ShippedPictures() {
    static const FacePictureSet pictures = [] {
        FacePictureSet read;
        std::string error;
        if (!ReadFacePictureFiles(VELMORA_FACE_PICTURES_DIR, read, error)) {
            ADD_FAILURE() << error;
        }
        return read;
    }();
    return pictures;
}

const RgbImage& Shipped(FacePicture picture) {
    return ShippedPictures()[FacePictureIndex(picture)];
}

std::string Hex(std::uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", colour);
    return text;
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int largest = 0;
    for (int shift : {16, 8, 0}) {
        largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                             static_cast<int>((b >> shift) & 0xFF)));
    }
    return largest;
}

// The colour the gradient gives a row: linear by the row's distance from the
// top, over the rows from the top vertex to the bottom one.
std::uint32_t GradientRow(std::uint32_t top, std::uint32_t bottom, int y, int height) {
    std::uint32_t colour = 0;
    for (int shift : {16, 8, 0}) {
        const double a = (top >> shift) & 0xFF;
        const double b = (bottom >> shift) & 0xFF;
        colour |= static_cast<std::uint32_t>(a + (b - a) * y / (height - 1)) << shift;
    }
    return colour;
}

struct Painted {
    explicit Painted(int width = 64, int height = 25)
        : canvas(width, height, ShippedPictures()), painter(canvas) {}
    Painted& draw(FacePicture face, std::uint8_t mode) {
        painter.DrawFace(face, mode, label);
        return *this;
    }
    std::uint32_t at(int x, int y) const { return canvas.image().colour(x, y); }
    // The inside's top row, just below the frame.
    std::uint32_t insideTop() const { return at(canvas.pixelWidth() / 2, 4); }
    std::uint32_t insideBottom() const {
        return at(canvas.pixelWidth() / 2, canvas.pixelHeight() - 5);
    }

    SoftwareCanvas canvas;
    FacePainter painter;
    CaptionLabel label;
};

bool InFrame(int x, int y, int width, int height) {
    return x < 4 || y < 4 || x >= width - 4 || y >= height - 4;
}

TEST(FaceDrawing, AControlOfThePicturesSizeShowsEachPicturesFrameWithTheGradientInside) {
    for (FacePicture face : kFacePictures) {
        Painted painted;
        painted.draw(face, 1);
        const RgbImage& picture = Shipped(face);
        int wrong = 0;
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 64; ++x) {
                const std::uint32_t got = painted.at(x, y);
                if (InFrame(x, y, 64, 25)) {
                    if (got != picture.colour(x, y) && ++wrong <= 3) {
                        ADD_FAILURE()
                            << FacePictureName(face) << " frame at " << x << "," << y << ": "
                            << Hex(got) << ", picture " << Hex(picture.colour(x, y));
                    }
                } else if (ChannelDistance(got, GradientRow(kWhite, kTint, y, 25)) > 1 &&
                           ++wrong <= 3) {
                    ADD_FAILURE() << FacePictureName(face) << " inside at " << x << "," << y << ": "
                                  << Hex(got);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << FacePictureName(face);
    }
}

TEST(FaceDrawing, TheGradientDirectionFollowsTheModeAndModes4And0KeepThePreviousOne) {
    struct Case {
        const char* name;
        std::vector<std::pair<FacePicture, std::uint8_t>> steps;
        bool whiteOnTop;
    };
    const Case cases[] = {
        {"new control, mode 0", {{FacePicture::Normal, 0}}, true},
        {"mode 1", {{FacePicture::Normal, 1}}, true},
        {"mode 2", {{FacePicture::HighLight, 2}}, false},
        {"mode 3", {{FacePicture::Selected, 3}}, true},
        {"mode 4 after 2", {{FacePicture::HighLight, 2}, {FacePicture::HighLightSelect, 4}}, false},
        {"mode 4 after 3", {{FacePicture::Selected, 3}, {FacePicture::HighLightSelect, 4}}, true},
        {"mode 0 after 2", {{FacePicture::HighLight, 2}, {FacePicture::Normal, 0}}, false},
        {"Pressed in mode 2", {{FacePicture::Pressed, 2}}, false},
        {"Disable in mode 3 after 2", {{FacePicture::Normal, 2}, {FacePicture::Disable, 3}}, true},
    };
    for (const Case& c : cases) {
        Painted painted;
        for (const auto& [face, mode] : c.steps) {
            painted.draw(face, mode);
        }
        const std::uint32_t top = c.whiteOnTop ? kWhite : kTint;
        const std::uint32_t bottom = c.whiteOnTop ? kTint : kWhite;
        EXPECT_LE(ChannelDistance(painted.insideTop(), GradientRow(top, bottom, 4, 25)), 1)
            << c.name << ": " << Hex(painted.insideTop());
        EXPECT_LE(ChannelDistance(painted.insideBottom(), GradientRow(top, bottom, 20, 25)), 1)
            << c.name << ": " << Hex(painted.insideBottom());
        EXPECT_EQ(painted.painter.reverseGradient(), !c.whiteOnTop) << c.name;
    }
}

TEST(FaceDrawing, AWideAndTallControlStretchesOnlyTheEdges) {
    // 1875 x 600 twips: 125 x 40 pixels.
    Painted painted(125, 40);
    painted.draw(FacePicture::Selected, 1);
    const RgbImage& picture = Shipped(FacePicture::Selected);
    const int right = 125 - 64;  // where the picture's right corners land
    const int down = 40 - 25;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(painted.at(x, y), picture.colour(x, y)) << "top-left " << x << "," << y;
            EXPECT_EQ(painted.at(right + 60 + x, y), picture.colour(60 + x, y)) << "top-right";
            EXPECT_EQ(painted.at(x, down + 21 + y), picture.colour(x, 21 + y)) << "bottom-left";
            EXPECT_EQ(painted.at(right + 60 + x, down + 21 + y), picture.colour(60 + x, 21 + y))
                << "bottom-right";
        }
    }
    // The top and bottom edges repeat the picture's uniform rows...
    for (int x = 4; x < 121; ++x) {
        for (int ring = 0; ring < 4; ++ring) {
            ASSERT_EQ(painted.at(x, ring), picture.colour(30, ring)) << x;
            ASSERT_EQ(painted.at(x, 39 - ring), picture.colour(30, 24 - ring)) << x;
        }
    }
    // ...and the side columns run through the picture's shading from its
    // first stretched row to its last, never back.
    for (int column : {0, 1, 2, 3, 121, 122, 123, 124}) {
        const int source = column < 4 ? column : column - right;
        EXPECT_EQ(painted.at(column, 4), picture.colour(source, 4));
        EXPECT_EQ(painted.at(column, 35), picture.colour(source, 20));
        int sourceRow = 4;
        for (int y = 5; y <= 35; ++y) {
            while (sourceRow < 20 && picture.colour(source, sourceRow) != painted.at(column, y)) {
                ++sourceRow;
            }
            ASSERT_EQ(painted.at(column, y), picture.colour(source, sourceRow))
                << "column " << column << " row " << y;
        }
    }
}

TEST(FaceDrawing, SpansThatDoNotFitSixteenBitsKeepTheirPreviousValue) {
    RecordingCanvas canvas;
    FacePainter painter(canvas);
    CaptionLabel label;
    painter.DrawFace(FacePicture::Normal, 1, label);
    EXPECT_EQ(painter.spans().rightColumnX, 900);
    EXPECT_EQ(painter.spans().middleWidth, 840);

    canvas.width = 2190;  // 32850 twips: the right column, 32790, no longer fits
    painter.DrawFace(FacePicture::Normal, 1, label);
    EXPECT_EQ(painter.spans().rightColumnX, 900);
    EXPECT_EQ(painter.spans().middleWidth, 32730);
    EXPECT_EQ(painter.spans().bottomRowY, 315);
    EXPECT_DOUBLE_EQ(canvas.pieces.at(2).destination.x, 900) << "the top-right corner";
    EXPECT_FLOAT_EQ(label.width, 32850);

    canvas.width = 2200;  // 33000 twips: the middle width, 32880, neither
    painter.DrawFace(FacePicture::Normal, 1, label);
    EXPECT_EQ(painter.spans().middleWidth, 32730);
}

TEST(FaceDrawing, AControlNarrowerThanItsTwoCornersGetsCornersOnly) {
    RecordingCanvas canvas;
    canvas.width = 6;  // 90 twips
    canvas.height = 25;
    FacePainter painter(canvas);
    CaptionLabel label;
    painter.DrawFace(FacePicture::Normal, 1, label);
    ASSERT_EQ(canvas.pieces.size(), 6u) << "four corners and the two side edges";
    for (const RecordingCanvas::Piece& piece : canvas.pieces) {
        EXPECT_GT(piece.destination.width, 0);
        EXPECT_GT(piece.destination.height, 0);
    }
    EXPECT_EQ(canvas.refreshes, 2) << "after the gradient and after the frame";

    SoftwareCanvas pixels(6, 6, ShippedPictures());
    FacePainter tiny(pixels);
    tiny.DrawFace(FacePicture::Normal, 1, label);
    // The corners overlap; the bottom-right one, drawn after the top-right
    // one, lies on top.
    EXPECT_EQ(pixels.image().colour(5, 5), Shipped(FacePicture::Normal).colour(63, 24));
    EXPECT_EQ(pixels.image().colour(0, 0), Shipped(FacePicture::Normal).colour(0, 0));
}

}  // namespace
