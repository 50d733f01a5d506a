#include <gtest/gtest.h>

#include "scaled_picture.h"

namespace {

// A 12 x 12 mark as the dialog's are made: a dark one-pixel border round a
// light square.
RgbImage Mark() {
    RgbImage mark(12, 12);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool border = x == 0 || y == 0 || x == 11 || y == 11;
            mark.setColour(x, y, border ? 0x14337A : 0xF0F4FA);
        }
    }
    return mark;
}

TEST(ScaledPicture, TwiceAsLargeRepeatsEveryPixel) {
    const RgbImage mark = Mark();
    const RgbImage scaled = ScaledPicture(mark, 24, 24);
    ASSERT_EQ(scaled.width, 24);
    ASSERT_EQ(scaled.height, 24);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(scaled.colour(x, y), mark.colour(x / 2, y / 2)) << x << "," << y;
        }
    }
    EXPECT_EQ(ScaledPicture(mark, 12, 12), mark);
}

TEST(ScaledPicture, HalfAsLargeAgainSoftensOnlyTheEdges) {
    const RgbImage scaled = ScaledPicture(Mark(), 18, 18);
    ASSERT_EQ(scaled.width, 18);
    // The border's outer pixels and the inside keep their colours; the
    // pixel that straddles the border's inner edge lies between them.
    EXPECT_EQ(scaled.colour(0, 9), 0x14337Au);
    EXPECT_EQ(scaled.colour(17, 9), 0x14337Au);
    EXPECT_EQ(scaled.colour(9, 17), 0x14337Au);
    EXPECT_EQ(scaled.colour(9, 9), 0xF0F4FAu);
    EXPECT_EQ(scaled.colour(1, 9), 0x8294BAu) << "half border, half inside";
    EXPECT_EQ(scaled.colour(16, 9), 0x8294BAu);
}

}  // namespace
