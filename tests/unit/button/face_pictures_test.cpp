#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

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

TEST(FacePictures, RingsOutlineAndTheReferenceCorner) {
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

    // Each picture's outline ring at the middle of each side, and a colour
    // of each ring from the table of ring colours.
    struct Expected {
        FacePicture face;
        int outlineRing;
        std::uint32_t outline;
        std::map<std::pair<int, int>, std::uint32_t> pixels;
    };
    const Expected pictures[] = {
        {FacePicture::Normal,
         1,
         kOutline,
         {{{30, 0}, 0xDCD6C2},
          {{30, 24}, 0xFAFAF6},
          {{0, 12}, 0xE2DECB},
          {{63, 12}, 0xF0EEE0},
          {{30, 2}, 0xF3F3EE},
          {{30, 22}, 0xD6D0C5},
          {{30, 21}, 0xE2DFD6},
          {{2, 4}, 0xFDFDFC},
          {{60, 4}, 0xFBFBFA},
          {{60, 20}, 0xE4E2DA},
          {{61, 20}, 0xE0DDD4}}},
        {FacePicture::HighLight,
         1,
         kOutline,
         {{{30, 2}, 0xFFF0CF},
          {{30, 3}, 0xFDD889},
          {{30, 21}, 0xF8B330},
          {{30, 22}, 0xE59700},
          {{2, 20}, 0xF9B435},
          {{60, 4}, 0xFCD279}}},
        {FacePicture::Selected,
         1,
         kOutline,
         {{{30, 3}, 0xCEE7FF}, {{30, 22}, 0x6982EE}, {{3, 4}, 0xB7D0F4}, {{61, 20}, 0x8BADE4}}},
        {FacePicture::Pressed,
         2,
         kOutline,
         {{{30, 0}, 0xECE9D8},
          {{30, 1}, 0xDCD6C2},
          {{1, 12}, 0xE2DECB},
          {{30, 3}, 0xD1CCC1},
          {{30, 21}, 0xF2F1EE},
          {{3, 12}, 0xD8D5CB},
          {{60, 12}, 0xE5E4DC}}},
        {FacePicture::Disable, 1, 0xC9C7BA, {{{30, 0}, 0xECE9D8}, {{30, 2}, 0xF5F4EA}}},
    };
    for (const Expected& e : pictures) {
        const RgbImage picture = DrawFacePicture(e.face);
        const int ring = e.outlineRing;
        for (const auto& [x, y] : {std::pair{31, ring}, std::pair{31, 24 - ring},
                                   std::pair{ring, 12}, std::pair{63 - ring, 12}}) {
            EXPECT_EQ(picture.colour(x, y), e.outline) << FacePictureName(e.face) << " outline";
        }
        EXPECT_NE(picture.colour(ring, ring), e.outline)
            << FacePictureName(e.face) << ": the outline's corner pixel is left out";
        for (const auto& [where, colour] : e.pixels) {
            EXPECT_EQ(picture.colour(where.first, where.second), colour)
                << FacePictureName(e.face) << " at " << where.first << "," << where.second;
        }
    }
    EXPECT_TRUE(DrawFacePicture(FacePicture::HighLight) ==
                DrawFacePicture(FacePicture::HighLightSelect));
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
