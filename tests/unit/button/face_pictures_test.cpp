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
