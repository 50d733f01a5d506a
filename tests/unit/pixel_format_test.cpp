#include <gtest/gtest.h>

#include <vector>

#include "pixel_format.h"

namespace {

constexpr std::uint32_t kUsable = kPfdSupportOpenGL | kPfdDrawToWindow | kPfdDoubleBuffer;

PixelFormatFields driverFormat(int colourBits, int depthBits) {
    return PixelFormatFields{kUsable, kPfdTypeRgba, static_cast<std::uint8_t>(colourBits),
                             static_cast<std::uint8_t>(depthBits)};
}

PixelFormatFields genericFormat(int colourBits, int depthBits, bool accelerated) {
    PixelFormatFields format = driverFormat(colourBits, depthBits);
    format.dwFlags |= kPfdGenericFormat | (accelerated ? kPfdGenericAccelerated : 0u);
    return format;
}

TEST(PixelFormat, ScoresFavourDriverFormatsThenDepth) {
    EXPECT_EQ(pixelFormatScore(driverFormat(32, 24)), 2072);
    EXPECT_EQ(pixelFormatScore(driverFormat(32, 16)), 2056);
    EXPECT_EQ(pixelFormatScore(driverFormat(24, 16)), 2052);
    EXPECT_EQ(pixelFormatScore(driverFormat(16, 16)), 2048);
    EXPECT_EQ(pixelFormatScore(genericFormat(16, 16, true)), 1048);
    EXPECT_EQ(pixelFormatScore(genericFormat(24, 32, false)), 84);
    // The colour penalty is cut toward zero: 17 bits cost nothing.
    EXPECT_EQ(pixelFormatScore(genericFormat(17, 0, false)), 17);
    // Acceleration only counts for generic formats.
    PixelFormatFields accelerated = driverFormat(32, 24);
    accelerated.dwFlags |= kPfdGenericAccelerated;
    EXPECT_EQ(pixelFormatScore(accelerated), 2072);
}

TEST(PixelFormat, QualifiesOnlyWithAllThreeFlagsAndRgba) {
    EXPECT_TRUE(pixelFormatQualifies(driverFormat(32, 24)));
    for (std::uint32_t missing : {kPfdSupportOpenGL, kPfdDrawToWindow, kPfdDoubleBuffer}) {
        PixelFormatFields format = driverFormat(32, 24);
        format.dwFlags &= ~missing;
        EXPECT_FALSE(pixelFormatQualifies(format)) << "without flag " << missing;
    }
    PixelFormatFields indexed = driverFormat(8, 16);
    indexed.iPixelType = 1;
    EXPECT_FALSE(pixelFormatQualifies(indexed));
}

TEST(PixelFormat, ChoosesTheBestQualifyingFormat) {
    EXPECT_EQ(choosePixelFormat({driverFormat(24, 16), driverFormat(32, 16)}), 2);
    EXPECT_EQ(choosePixelFormat({genericFormat(24, 32, false), genericFormat(16, 16, true),
                                 driverFormat(32, 24), genericFormat(32, 32, true)}),
              3);

    // A single-buffered format is never chosen, however well it would score.
    PixelFormatFields singleBuffered = driverFormat(32, 32);
    singleBuffered.dwFlags &= ~kPfdDoubleBuffer;
    EXPECT_EQ(choosePixelFormat({genericFormat(16, 16, false), singleBuffered}), 1);

    // On a tie the lower index stays.
    EXPECT_EQ(choosePixelFormat({genericFormat(16, 16, true), driverFormat(32, 16),
                                 driverFormat(32, 16), driverFormat(24, 18)}),
              2);
}

TEST(PixelFormat, OnlyACopyingSwapKeepsThePicture) {
    PixelFormatFields format = driverFormat(32, 24);
    EXPECT_FALSE(swapKeepsPicture(format)) << "no promise either way";
    format.dwFlags |= kPfdSwapExchange;
    EXPECT_FALSE(swapKeepsPicture(format));
    format.dwFlags = kUsable | kPfdSwapCopy;
    EXPECT_TRUE(swapKeepsPicture(format));
    format.dwFlags = kPfdSupportOpenGL | kPfdDrawToWindow;
    EXPECT_TRUE(swapKeepsPicture(format)) << "a single buffer is never swapped";
    // The flags do not change which format is chosen.
    PixelFormatFields copying = driverFormat(24, 16);
    copying.dwFlags |= kPfdSwapCopy;
    EXPECT_EQ(choosePixelFormat({copying, driverFormat(32, 16)}), 2);
    EXPECT_EQ(pixelFormatScore(copying), pixelFormatScore(driverFormat(24, 16)));
}

TEST(PixelFormat, AmongTheBestScoredPrefersASwapThatKeepsThePicture) {
    PixelFormatFields described = driverFormat(32, 24);
    described.dwFlags |= kPfdSwapCopy;
    const PixelFormatFields plain = driverFormat(32, 24);
    const PixelFormatFields better = driverFormat(32, 32);
    PixelFormatFields singleBuffered = driverFormat(32, 32);
    singleBuffered.dwFlags &= ~kPfdDoubleBuffer;
    const struct {
        const char* name;
        std::vector<PixelFormatFields> formats;
        std::vector<int> swapMethods;
        int chosen;
    } cases[] = {
        {"a tie without promises keeps the first", {plain, plain}, {}, 1},
        {"a tie goes to the descriptor's promise", {plain, described, described}, {}, 2},
        {"a tie goes to the driver's promise",
         {plain, plain, plain},
         {kWglSwapUndefinedArb, kWglSwapExchangeArb, kWglSwapCopyArb},
         3},
        {"the first promise stays",
         {plain, plain, plain},
         {0, kWglSwapCopyArb, kWglSwapCopyArb},
         2},
        {"a promise does not beat a better score", {plain, better}, {kWglSwapCopyArb, 0}, 2},
        {"nor a worse score a promise", {better, described}, {}, 1},
        {"a promise on a format that does not qualify counts for nothing",
         {singleBuffered, plain},
         {kWglSwapCopyArb, 0},
         2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(choosePixelFormat(c.formats, c.swapMethods), c.chosen) << c.name;
    }

    PixelFormatChoice choice;
    choice.consider(1, plain, kWglSwapUndefinedArb);
    EXPECT_FALSE(choice.chosenKeepsPicture());
    choice.consider(2, plain, kWglSwapCopyArb);
    EXPECT_EQ(choice.chosen(), 2);
    EXPECT_TRUE(choice.chosenKeepsPicture());
    choice.consider(3, better, kWglSwapExchangeArb);
    EXPECT_EQ(choice.chosen(), 3);
    EXPECT_FALSE(choice.chosenKeepsPicture()) << "the better score is taken without its promise";

    EXPECT_TRUE(swapKeepsPicture(plain, kWglSwapCopyArb));
    EXPECT_FALSE(swapKeepsPicture(plain, kWglSwapExchangeArb));
    EXPECT_FALSE(swapKeepsPicture(plain, kWglSwapUndefinedArb));
}

TEST(PixelFormat, NoneChosenWhenNothingQualifies) {
    EXPECT_EQ(choosePixelFormat({}), 0);
    PixelFormatFields singleBuffered = driverFormat(32, 24);
    singleBuffered.dwFlags &= ~kPfdDoubleBuffer;
    EXPECT_EQ(choosePixelFormat({singleBuffered, singleBuffered}), 0);

    EXPECT_EQ(kFallbackDescriptorSize, 40);
    EXPECT_EQ(kFallbackDescriptorVersion, 1);
    EXPECT_EQ(kFallbackPixelFormat.dwFlags, 0x25u);
    EXPECT_EQ(kFallbackPixelFormat.iPixelType, 0);
    EXPECT_EQ(kFallbackPixelFormat.cColorBits, 24);
    EXPECT_EQ(kFallbackPixelFormat.cDepthBits, 24);
}

}  // namespace
