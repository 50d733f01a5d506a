#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "../code_page_932.h"
#include "bmp_file.h"
#include "command_texts.h"
#include "face_pictures.h"

namespace {

constexpr std::uint32_t kOutline = 0x003C74;

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A 24-bit bitmap's headers with the given size, followed by `pixelBytes`
// bytes.
std::string BmpHeaders(std::int32_t width, std::int32_t height, std::size_t pixelBytes) {
    RgbImage one(1, 1);
    std::string bytes = BmpBytes(one).substr(0, 54);
    const auto put32 = [&](std::size_t at, std::int32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<std::size_t>(i)] =
                static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
        }
    };
    put32(18, width);
    put32(22, height);
    return bytes + std::string(pixelBytes, '\x7f');
}

TEST(BmpFile, ReadsBothRowOrdersAndRefusesSizesThatCannotBe) {
    RgbImage image(3, 2);
    image.setColour(0, 0, 0x102030);
    image.setColour(2, 1, 0xA0B0C0);
    RgbImage read;
    std::string error;
    ASSERT_TRUE(ReadBmp(BmpBytes(image), read, error)) << error;
    EXPECT_EQ(read, image);

    // Top-down: a negative height, the first row first.
    std::string topDown = BmpHeaders(3, -2, 0);
    const std::string rows = BmpBytes(image).substr(54);
    topDown += rows.substr(12) + rows.substr(0, 12);
    ASSERT_TRUE(ReadBmp(topDown, read, error)) << error;
    EXPECT_EQ(read, image);

    struct Case {
        std::int32_t width, height;
        std::size_t pixelBytes;
        const char* error;
    };
    const Case cases[] = {
        {1, INT32_MIN, 16, "a bitmap of an impossible size"},
        {INT32_MIN, 1, 16, "a bitmap of an impossible size"},
        {65537, 1, 16, "a bitmap of an impossible size"},
        {1, -65537, 16, "a bitmap of an impossible size"},
        {0, 1, 16, "a bitmap of an impossible size"},
        // Four gigabytes of rows that a 32-bit size would wrap round to 0.
        {65536, 65536, 16, "the bitmap's pixels are cut short"},
        {65536, -65536, 16, "the bitmap's pixels are cut short"},
        {5, 3, 47, "the bitmap's pixels are cut short"},
    };
    for (const Case& c : cases) {
        RgbImage untouched(1, 1);
        EXPECT_FALSE(ReadBmp(BmpHeaders(c.width, c.height, c.pixelBytes), untouched, error))
            << c.width << " x " << c.height;
        EXPECT_EQ(error, c.error) << c.width << " x " << c.height;
        EXPECT_EQ(untouched, RgbImage(1, 1));
    }
    EXPECT_TRUE(ReadBmp(BmpHeaders(5, 3, 48), read, error)) << "rows of 16 bytes: " << error;
    EXPECT_EQ(read.colour(4, 2), 0x7F7F7Fu);
}

TEST(FacePictures, TheShippedBitmapsAreWhatTheGeneratorDraws) {
    for (FacePicture face : kFacePictures) {
        const std::string path =
            std::string(VELMORA_FACE_PICTURES_DIR) + "/" + FacePictureName(face) + ".bmp";
        const std::string shipped = FileBytes(path);
        ASSERT_FALSE(shipped.empty()) << path;
        EXPECT_TRUE(shipped == BmpBytes(DrawFacePicture(face)))
            << path << " differs from what velmora-face-pictures draws: run the "
            << "update_face_pictures target and commit the result";

        RgbImage read;
        std::string error;
        ASSERT_TRUE(ReadBmp(shipped, read, error)) << error;
        EXPECT_EQ(read.width, 64);
        EXPECT_EQ(read.height, 25);
    }
}

TEST(FacePictures, TheOutlineAndTheReferenceCorner) {
    const RgbImage normal = DrawFacePicture(FacePicture::Normal);
    const std::uint32_t topLeft[4][4] = {
        {0xE9E7D5, 0xE4DFCE, 0xE1DDCA, 0xE0DCC9},
        {0xE4DFCE, 0xE6E1D0, 0x7A95A8, 0x255783},
        {0xE2DECB, 0x7A95A8, 0x557DA2, 0xC0CFDD},
        {0xE2DECB, 0x255783, 0xBFCEDC, 0xFEFEFE},
    };
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(normal.colour(x, y), topLeft[y][x]) << x << "," << y;
        }
    }

    // Each picture's outline ring, at the middle of each side; its own
    // corner pixel is left out to round the corner off.
    struct Outline {
        FacePicture face;
        int ring;
        std::uint32_t colour;
    };
    const Outline outlines[] = {
        {FacePicture::Normal, 1, kOutline},   {FacePicture::HighLight, 1, kOutline},
        {FacePicture::Selected, 1, kOutline}, {FacePicture::Pressed, 2, kOutline},
        {FacePicture::Disable, 1, 0xC9C7BA},
    };
    for (const Outline& outline : outlines) {
        const RgbImage picture = DrawFacePicture(outline.face);
        const int ring = outline.ring;
        for (const auto& [x, y] : {std::pair{31, ring}, std::pair{31, 24 - ring},
                                   std::pair{ring, 12}, std::pair{63 - ring, 12}}) {
            EXPECT_EQ(picture.colour(x, y), outline.colour) << FacePictureName(outline.face);
        }
        EXPECT_NE(picture.colour(ring, ring), outline.colour) << FacePictureName(outline.face);
    }
    EXPECT_TRUE(DrawFacePicture(FacePicture::HighLight) ==
                DrawFacePicture(FacePicture::HighLightSelect));
}

// One ring's row or column of a face picture along its edge (columns 4 to
// 59 of a row, rows 4 to 20 of a column, the part that is stretched):
// `first` at its start, `last` at its end, every pixel between the two.
struct RingLine {
    bool row;
    int at;  // y of a row, x of a column
    std::uint32_t first;
    std::uint32_t last;
};

int Channel(std::uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) {
            return false;
        }
    }
    return true;
}

bool Between(std::uint32_t colour, std::uint32_t a, std::uint32_t b) {
    for (int shift : {0, 8, 16}) {
        const int c = Channel(colour, shift);
        if (c < std::min(Channel(a, shift), Channel(b, shift)) ||
            c > std::max(Channel(a, shift), Channel(b, shift))) {
            return false;
        }
    }
    return true;
}

TEST(FacePictures, EveryRingHasTheColoursOfThePictureTable) {
    // Ring 0 of the Normal picture, which HighLight and Selected share and
    // Pressed carries one ring further in; the outline.
    const std::uint32_t top = 0xDCD6C2, bottom = 0xFAFAF6, left = 0xE2DECB, right = 0xF0EEE0;
    const std::uint32_t line = kOutline;
    const auto rows = [](int at, std::uint32_t colour) {
        return RingLine{true, at, colour, colour};
    };
    const auto column = [](int at, std::uint32_t first, std::uint32_t last) {
        return RingLine{false, at, first, last};
    };
    const auto outside = [&](int ring) {
        return std::vector<RingLine>{rows(ring, top), rows(24 - ring, bottom),
                                     column(ring, left, left), column(63 - ring, right, right)};
    };
    const auto outline = [&](int ring, std::uint32_t colour) {
        return std::vector<RingLine>{rows(ring, colour), rows(24 - ring, colour),
                                     column(ring, colour, colour),
                                     column(63 - ring, colour, colour)};
    };
    struct Face {
        FacePicture face;
        std::vector<std::vector<RingLine>> rings;
        int tolerance;  // the table gives some shades as "about"
    };
    const Face faces[] = {
        {FacePicture::Normal,
         {outside(0),
          outline(1, line),
          {rows(2, 0xF3F3EE), rows(3, 0xF3F3EE), rows(22, 0xD6D0C5), rows(21, 0xE2DFD6),
           column(2, 0xFDFDFC, 0xECEBE6), column(3, 0xFDFDFC, 0xECEBE6),
           column(60, 0xFBFBFA, 0xE4E2DA), column(61, 0xF6F4F2, 0xE0DDD4)}},
         2},
        {FacePicture::HighLight,
         {outside(0),
          outline(1, line),
          {rows(2, 0xFFF0CF), rows(3, 0xFDD889), rows(21, 0xF8B330), rows(22, 0xE59700),
           column(2, 0xFEDF9A, 0xF9B435), column(61, 0xFEDF9A, 0xF9B435),
           column(3, 0xFCD279, 0xF8B535), column(60, 0xFCD279, 0xF8B535)}},
         2},
        {FacePicture::Selected,
         {outside(0),
          outline(1, line),
          {rows(2, 0xCEE7FF), rows(3, 0xCEE7FF), rows(21, 0x6982EE), rows(22, 0x6982EE),
           column(2, 0xB7D0F4, 0x8BADE4), column(3, 0xB7D0F4, 0x8BADE4),
           column(60, 0xB7D0F4, 0x8BADE4), column(61, 0xB7D0F4, 0x8BADE4)}},
         2},
        {FacePicture::Pressed,
         {outline(0, 0xECE9D8),
          outside(1),
          outline(2, line),
          {rows(3, 0xD1CCC1), rows(21, 0xF2F1EE), column(3, 0xD8D5CB, 0xD8D5CB),
           column(60, 0xE5E4DC, 0xE5E4DC)}},
         2},
        {FacePicture::Disable,
         {outline(0, 0xECE9D8), outline(1, 0xC9C7BA), outline(2, 0xF5F4EA), outline(3, 0xF5F4EA)},
         0},
    };
    for (const Face& face : faces) {
        const RgbImage picture = DrawFacePicture(face.face);
        for (const std::vector<RingLine>& ring : face.rings) {
            for (const RingLine& l : ring) {
                const int from = 4, to = l.row ? 59 : 20;
                const auto colour = [&](int along) {
                    return l.row ? picture.colour(along, l.at) : picture.colour(l.at, along);
                };
                const std::string where = std::string(FacePictureName(face.face)) +
                                          (l.row ? " row " : " column ") + std::to_string(l.at);
                const int tolerance = l.first == l.last ? 0 : face.tolerance;
                EXPECT_TRUE(Near(colour(from), l.first, tolerance)) << where << " starts";
                EXPECT_TRUE(Near(colour(to), l.last, tolerance)) << where << " ends";
                for (int along = from; along <= to; ++along) {
                    EXPECT_TRUE(Between(colour(along), colour(from), colour(to)))
                        << where << " at " << along;
                }
            }
        }
    }
}

TEST(CommandTexts, EveryTextDecodesFromCodePage932ToItsReadableForm) {
    const std::map<std::string, std::string> readable = {
        {"kDialogFontName", "ＭＳ Ｐゴシック"},
    };
    for (const CommandJapaneseText& text : kCommandJapaneseTexts) {
        const auto found = readable.find(text.name);
        ASSERT_NE(found, readable.end()) << text.name << " has no readable form in this test";
        EXPECT_EQ(Cp932ToUtf8(text.bytes), found->second) << text.name;
    }
    EXPECT_EQ(std::size(kCommandJapaneseTexts), readable.size());
}

}  // namespace
