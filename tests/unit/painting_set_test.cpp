// Several paintings on one surface, one per monitor: each part shows what a
// painting of that size alone would show, nothing reaches beyond its part,
// and no two parts show the same picture.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "offscreen_surface.h"
#include "painting.h"
#include "painting_set.h"
#include "picture_measures.h"

namespace {

constexpr std::uint32_t kSeed = 20240607;
constexpr int kFrames = 40;

// The part of a picture that a client area covers (rows from the top).
Picture partOf(const Picture& picture, const ClientRect& area) {
    Picture part;
    part.width = area.right - area.left;
    part.height = area.bottom - area.top;
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* row = picture.pixel(area.left, y);
        part.rgb.insert(part.rgb.end(), row, row + part.width * 3);
    }
    return part;
}

double meanBrightness(const Picture& picture) {
    double sum = 0.0;
    for (std::uint8_t channel : picture.rgb) {
        sum += channel;
    }
    return sum / (255.0 * static_cast<double>(picture.rgb.size()));
}

int brightest(const Picture& picture) {
    int most = 0;
    for (std::uint8_t channel : picture.rgb) {
        most = channel > most ? channel : most;
    }
    return most;
}

Picture alonePainting(int width, int height, std::uint32_t seed, OffscreenSwap swap) {
    OffscreenSurface surface(width, height, swap);
    Painting painting(surface, RendererSettings{});
    painting.initGraphics(seed);
    EXPECT_TRUE(surface.ready());
    for (int frame = 0; frame < kFrames; ++frame) {
        painting.drawFrame();
    }
    Picture picture = surface.picture();
    painting.releaseGraphics();
    return picture;
}

TEST(PaintingSet, EachPartShowsThePaintingOfItsOwnSizeAndNothingReachesBeyondIt) {
    // A primary and a smaller monitor beside it that starts lower and ends
    // higher, as a window over both holds them.
    const std::vector<ClientRect> areas = {{0, 0, 320, 300}, {320, 60, 560, 240}};
    const std::vector<ClientRect> beyond = {{320, 0, 560, 60}, {320, 240, 560, 300}};
    for (OffscreenSwap swap : {OffscreenSwap::KeepsPicture, OffscreenSwap::LosesPicture}) {
        SCOPED_TRACE(swap == OffscreenSwap::KeepsPicture ? "kept swap" : "lossy swap");
        OffscreenSurface surface(560, 300, swap);
        PaintingSet set(surface, RendererSettings{});
        ASSERT_TRUE(set.initGraphics(areas, kSeed));
        ASSERT_EQ(set.count(), 2u);
        EXPECT_EQ(set.keepsPicture(), swap == OffscreenSwap::LosesPicture);
        for (int frame = 0; frame < kFrames; ++frame) {
            set.drawFrame();
        }
        const Picture whole = surface.picture();
        set.releaseGraphics();

        for (std::size_t i = 0; i < areas.size(); ++i) {
            const ClientRect& area = areas[i];
            const Picture part = partOf(whole, area);
            const Picture alone =
                alonePainting(part.width, part.height, paintingSeed(kSeed, i), swap);
            const double rms = rmsDifference(part, alone);
            std::cout << "part " << i << ", " << part.width << "x" << part.height
                      << ": mean brightness " << meanBrightness(part)
                      << ", RMS difference from the painting alone " << rms << "\n";
            EXPECT_GT(meanBrightness(part), 0.01) << "part " << i << " is black";
            EXPECT_LT(rms, 0.01) << "part " << i;
        }
        for (const ClientRect& area : beyond) {
            EXPECT_EQ(brightest(partOf(whole, area)), 0) << "light beyond the parts";
        }
    }
}

TEST(PaintingSet, PartsOfOneSizeShowDifferentPicturesAndFollowTheMonitors) {
    const ClientRect left{0, 0, 240, 180};
    const ClientRect right{240, 0, 480, 180};
    OffscreenSurface surface(480, 180);
    PaintingSet set(surface, RendererSettings{});
    ASSERT_TRUE(set.initGraphics({left}, kSeed));
    ASSERT_EQ(set.count(), 1u);
    for (int frame = 0; frame < 10; ++frame) {
        set.drawFrame();
    }
    EXPECT_EQ(brightest(partOf(surface.picture(), right)), 0) << "no painting there yet";

    // A monitor plugged in beside the first.
    set.follow({left, right}, kSeed);
    ASSERT_EQ(set.count(), 2u);
    for (int frame = 0; frame < kFrames; ++frame) {
        set.drawFrame();
    }
    const Picture both = surface.picture();
    const Picture first = partOf(both, left);
    const Picture second = partOf(both, right);
    EXPECT_GT(meanBrightness(second), 0.01) << "the new monitor is black";
    const double rms = rmsDifference(first, second);
    std::cout << "two parts of one size: RMS difference " << rms << "\n";
    EXPECT_GT(rms, 0.05) << "both monitors show the same picture";

    // Unplugged again: its painting goes, and its part is black.
    set.follow({left}, kSeed);
    EXPECT_EQ(set.count(), 1u);
    set.drawFrame();
    EXPECT_EQ(brightest(partOf(surface.picture(), right)), 0);
    EXPECT_GT(meanBrightness(partOf(surface.picture(), left)), 0.005);
    set.releaseGraphics();
}

}  // namespace
