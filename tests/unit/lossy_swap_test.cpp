// A swap that leaves noise behind must not show in the painting: where the
// surface does not promise to keep the picture, the painting keeps it itself
// and the frames come out as on a surface that keeps it.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <string>

#include "gl_headers.h"
#include "offscreen_surface.h"
#include "painting.h"
#include "picture_measures.h"
#include "still_render.h"

namespace {

constexpr std::uint32_t kSeed = 20240607;

double litShare(const Picture& picture) {
    std::size_t lit = 0;
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) {
        if (picture.rgb[i] > 32 || picture.rgb[i + 1] > 32 || picture.rgb[i + 2] > 32) {
            ++lit;
        }
    }
    return static_cast<double>(lit) / static_cast<double>(picture.width * picture.height);
}

// A lossy surface that claims its swap keeps the picture: the painting then
// fades whatever noise the swap left, as it would on a driver it trusted
// wrongly.
class TrustedLossySurface : public OffscreenSurface {
  public:
    TrustedLossySurface(int width, int height)
        : OffscreenSurface(width, height, OffscreenSwap::LosesPicture) {}
    bool swapKeepsPicture() override { return true; }
};

struct PaintingRun {
    Picture picture;
    bool keptPicture = false;
};

PaintingRun render(OffscreenSurface& surface, const RendererSettings& settings, int frames) {
    Painting painting(surface, settings);
    painting.initGraphics(kSeed);
    PaintingRun run;
    if (!surface.ready()) {
        ADD_FAILURE() << "no offscreen context";
        return run;
    }
    run.keptPicture = painting.keepsPicture();
    for (int frame = 0; frame < frames; ++frame) {
        painting.drawFrame();
    }
    run.picture = surface.picture();
    painting.releaseGraphics();
    return run;
}

TEST(LossySwap, StillToolMatchesAKeptSwapAfterNinetyFrames) {
    StillOptions options;
    options.width = 1280;
    options.height = 720;
    options.frames = 90;
    options.seed = kSeed;
    Picture kept, lossy;
    std::string error;
    ASSERT_TRUE(renderStill(options, kept, error)) << error;
    options.lossySwap = true;
    ASSERT_TRUE(renderStill(options, lossy, error)) << error;
    ASSERT_GT(litShare(kept), 0.01) << "too little picture to compare";
    TrustedLossySurface trustedSurface(options.width, options.height);
    const PaintingRun trusted = render(trustedSurface, RendererSettings{}, options.frames);

    const double rms = rmsDifference(kept, lossy);
    const double trustedRms = rmsDifference(kept, trusted.picture);
    std::cout << "1280x720, 90 frames: RMS difference " << rms << " with the kept picture, "
              << trustedRms << " trusting the swap\n";
    EXPECT_LT(rms, 0.01);
    // The check can fail: trusting the swap lets the noise through.
    EXPECT_GT(trustedRms, 0.1);
}

// The lower left width x height pixels of a picture, where a viewport of that
// size at the origin draws.
Picture lowerLeft(const Picture& picture, int width, int height) {
    Picture part;
    part.width = width;
    part.height = height;
    for (int y = picture.height - height; y < picture.height; ++y) {
        const std::uint8_t* row = picture.pixel(0, y);
        part.rgb.insert(part.rgb.end(), row, row + width * 3);
    }
    return part;
}

TEST(LossySwap, ViewProjectionAndKeptPictureFollowANewSize) {
    Picture after[2];
    for (OffscreenSwap swap : {OffscreenSwap::KeepsPicture, OffscreenSwap::LosesPicture}) {
        const bool lossy = swap == OffscreenSwap::LosesPicture;
        SCOPED_TRACE(lossy ? "lossy swap" : "kept swap");
        OffscreenSurface surface(320, 240, swap);
        Painting painting(surface, RendererSettings{});
        painting.initGraphics(kSeed);
        ASSERT_TRUE(surface.ready());
        for (int frame = 0; frame < 20; ++frame) {
            painting.drawFrame();
        }
        // Wider than before (within the 8 : 3 the trail's quad covers), and
        // of a size the old textures would not fit: the lower left part of
        // the surface, whose client rows count from the top.
        painting.resize(ClientRect{0, 140, 240, 240});
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2], 240);
        EXPECT_EQ(viewport[3], 100);
        GLdouble projection[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        EXPECT_NEAR(projection[0], 100.0 / 240.0, 1e-6) << "the aspect ratio follows";
        EXPECT_NEAR(projection[5], 1.0, 1e-6);
        EXPECT_EQ(painting.keepsPicture(), lossy);
        for (int frame = 0; frame < 30; ++frame) {
            painting.drawFrame();
        }
        after[lossy ? 1 : 0] = lowerLeft(surface.picture(), 240, 100);
        painting.releaseGraphics();
    }
    ASSERT_GT(litShare(after[0]), 0.005) << "too little picture to compare";
    const double rms = rmsDifference(after[0], after[1]);
    std::cout << "resized to 240x100: RMS difference " << rms << " with the kept picture\n";
    EXPECT_LT(rms, 0.01);
}

struct LossyCase {
    const char* name;
    int drawMode;
    int trailStrength;
    int width;
    int height;
    int frames;
};

void PrintTo(const LossyCase& c, std::ostream* out) {
    *out << c.name;
}

class LossySwapModes : public ::testing::TestWithParam<LossyCase> {};

TEST_P(LossySwapModes, KeptPictureHidesTheNoiseThatTrustShows) {
    const LossyCase& c = GetParam();
    RendererSettings settings;
    settings.drawMode = c.drawMode;
    settings.trailStrength = c.trailStrength;

    OffscreenSurface keptSurface(c.width, c.height);
    const PaintingRun kept = render(keptSurface, settings, c.frames);
    OffscreenSurface lossySurface(c.width, c.height, OffscreenSwap::LosesPicture);
    const PaintingRun lossy = render(lossySurface, settings, c.frames);
    TrustedLossySurface trustedSurface(c.width, c.height);
    const PaintingRun trusted = render(trustedSurface, settings, c.frames);
    ASSERT_GT(litShare(kept.picture), 0.005) << "too little picture to compare";

    EXPECT_FALSE(kept.keptPicture) << "a swap that keeps the picture needs no copy";
    EXPECT_EQ(lossy.keptPicture, c.trailStrength != 0) << "only a trail needs the last picture";
    EXPECT_FALSE(trusted.keptPicture);

    const double lossyRms = rmsDifference(kept.picture, lossy.picture);
    const double trustedRms = rmsDifference(kept.picture, trusted.picture);
    std::cout << c.name << ": RMS difference " << lossyRms << " with the kept picture, "
              << trustedRms << " trusting the swap\n";
    EXPECT_LT(lossyRms, 0.01);
    if (c.trailStrength != 0) {
        // The check above can fail: trusting the swap lets the noise through.
        EXPECT_GT(trustedRms, 0.1);
    } else {
        EXPECT_LT(trustedRms, 0.01) << "a cleared frame owes nothing to the last one";
    }
}

INSTANTIATE_TEST_SUITE_P(
    DrawModes, LossySwapModes,
    ::testing::Values(LossyCase{"Points640x360", kDrawPoints, 20, 640, 360, 40},
                      LossyCase{"Sprites640x360", kDrawSprites, 20, 640, 360, 40},
                      LossyCase{"Lines640x360", kDrawLines, 20, 640, 360, 40},
                      LossyCase{"LongTrails301x173", kDrawPoints, 100, 301, 173, 40},
                      LossyCase{"Wide640x180", kDrawSprites, 20, 640, 180, 40},
                      LossyCase{"Tall180x640", kDrawPoints, 20, 180, 640, 40},
                      LossyCase{"NoTrails640x360", kDrawPoints, 0, 640, 360, 20}),
    [](const ::testing::TestParamInfo<LossyCase>& info) { return std::string(info.param.name); });

}  // namespace
