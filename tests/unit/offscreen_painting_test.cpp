#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <string>

#include "gl_headers.h"
#include "offscreen_surface.h"
#include "painting.h"
#include "painting_look.h"
#include "view_fit.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr std::uint32_t kSeed = 20240607;

RendererSettings settingsFor(int drawMode) {
    RendererSettings settings;
    settings.drawMode = drawMode;
    return settings;
}

// Every oscillator held where its cosine is (almost) zero: the field stops
// and every particle turns black, so a frame adds no light of its own and
// only the trail step changes the picture.
void freezeField(Painting& painting) {
    for (Flow& flow : painting.flows()) {
        flow.phase.fill(1.5707964f);
        flow.phaseStep.fill(0.0f);
    }
}

int brightestChannel(const Picture& picture) {
    int brightest = 0;
    for (std::uint8_t channel : picture.rgb) {
        brightest = std::max(brightest, static_cast<int>(channel));
    }
    return brightest;
}

double litShare(const Picture& picture) {
    std::size_t lit = 0;
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) {
        if (picture.rgb[i] > 32 || picture.rgb[i + 1] > 32 || picture.rgb[i + 2] > 32) {
            ++lit;
        }
    }
    return static_cast<double>(lit) / static_cast<double>(picture.width * picture.height);
}

class OffscreenPainting : public ::testing::TestWithParam<int> {};

TEST_P(OffscreenPainting, DrawsGlowingParticles) {
    OffscreenSurface surface(kWidth, kHeight);
    Painting painting(surface, settingsFor(GetParam()));
    painting.initGraphics(kSeed);
    ASSERT_TRUE(surface.ready());
    EXPECT_EQ(brightestChannel(surface.picture()), 0) << "the set-up clears to black";

    for (int frame = 0; frame < 30; ++frame) {
        painting.drawFrame();
    }
    const Picture picture = surface.picture();
    EXPECT_GT(brightestChannel(picture), 200);
    EXPECT_GT(litShare(picture), 0.01);
    EXPECT_LT(litShare(picture), 0.95) << "the background stays dark";
    painting.releaseGraphics();
}

TEST_P(OffscreenPainting, TrailsFadeByTheTrailFactorEachFrame) {
    OffscreenSurface surface(kWidth, kHeight);
    const RendererSettings settings = settingsFor(GetParam());
    Painting painting(surface, settings);
    painting.initGraphics(kSeed);
    ASSERT_TRUE(surface.ready());
    for (int frame = 0; frame < 30; ++frame) {
        painting.drawFrame();
    }
    freezeField(painting);
    const Picture before = surface.picture();
    painting.drawFrame();
    const Picture after = surface.picture();

    const double factor = 1.0 - static_cast<double>(trailAlpha(settings));
    ASSERT_NEAR(factor, 0.598, 1e-6);
    // The alpha and the result are both held in 8 bits; together they may
    // be off by up to a step and a half.
    const double tolerance = 1.5;
    std::size_t bright = 0;
    double sumBefore = 0.0, sumAfter = 0.0;
    for (std::size_t i = 0; i < before.rgb.size(); ++i) {
        const double expected = before.rgb[i] * factor;
        ASSERT_NEAR(after.rgb[i], expected, tolerance) << "channel " << i;
        if (before.rgb[i] >= 128) {
            ++bright;
            sumBefore += before.rgb[i];
            sumAfter += after.rgb[i];
        }
    }
    ASSERT_GT(bright, 100u) << "too little light to measure a fade";
    EXPECT_NEAR(sumAfter / sumBefore, factor, 0.005);
    painting.releaseGraphics();
}

TEST_P(OffscreenPainting, NoTrailsClearsEveryFrame) {
    OffscreenSurface surface(kWidth, kHeight);
    RendererSettings settings = settingsFor(GetParam());
    settings.trailStrength = 0;
    Painting painting(surface, settings);
    painting.initGraphics(kSeed);
    ASSERT_TRUE(surface.ready());
    for (int frame = 0; frame < 10; ++frame) {
        painting.drawFrame();
    }
    ASSERT_GT(brightestChannel(surface.picture()), 100);
    freezeField(painting);
    painting.drawFrame();
    EXPECT_EQ(brightestChannel(surface.picture()), 0);
    painting.releaseGraphics();
}

std::string drawModeName(const ::testing::TestParamInfo<int>& info) {
    switch (info.param) {
        case kDrawSprites:
            return "Sprites";
        case kDrawPoints:
            return "Points";
        default:
            return "Lines";
    }
}

INSTANTIATE_TEST_SUITE_P(DrawModes, OffscreenPainting,
                         ::testing::Values(kDrawSprites, kDrawPoints, kDrawLines), drawModeName);

// Each preset paints a picture of its own: lit, with a dark background
// between its streams, not washed out by its light adding up. The picture is
// a full HD screen in miniature, as the preview shows it.
TEST(OffscreenPresets, EachPaintsNeitherBlackNorWashedOut) {
    for (const Preset& preset : kPresets) {
        OffscreenSurface surface(480, 270);
        Painting painting(surface, settingsForLook(preset.look));
        painting.setSizeScale(miniatureSizeScale(270, 1080));
        painting.initGraphics(kSeed);
        ASSERT_TRUE(surface.ready());
        for (int frame = 0; frame < 200; ++frame) {
            painting.drawFrame();
        }
        const Picture picture = surface.picture();
        double sum = 0.0;
        for (const std::uint8_t channel : picture.rgb) {
            sum += channel;
        }
        const double mean = sum / (255.0 * static_cast<double>(picture.rgb.size()));
        std::cout << preset.name << ": mean brightness " << mean << ", lit " << litShare(picture)
                  << "\n";
        EXPECT_GT(mean, 0.02) << preset.name;
        EXPECT_LT(mean, 0.5) << preset.name;
        EXPECT_LT(litShare(picture), 0.9) << preset.name << ": the background stays dark";
        painting.releaseGraphics();
    }
}

TEST(OffscreenCamera, LooksFromFifteenUnitsWithANinetyDegreeView) {
    // GLU's perspective must land in the same GL as the drawing.
    OffscreenSurface surface(400, 300);
    Painting painting(surface, RendererSettings{});
    painting.initGraphics(kSeed);
    ASSERT_TRUE(surface.ready());
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    const double nearPlane = 1.0, farPlane = 10000.0;
    const double depthScale = (farPlane + nearPlane) / (nearPlane - farPlane);
    const double depthOffset = 2.0 * farPlane * nearPlane / (nearPlane - farPlane);
    // GL keeps its matrices in single precision.
    EXPECT_NEAR(m[0], 300.0 / 400.0, 1e-6);
    EXPECT_NEAR(m[5], 1.0, 1e-6);
    EXPECT_NEAR(m[10], depthScale, 1e-6);
    EXPECT_NEAR(m[11], -1.0, 1e-6);
    EXPECT_NEAR(m[14], depthOffset - 15.0 * depthScale, 1e-5);
    EXPECT_NEAR(m[15], 15.0, 1e-6);
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m[i], i % 5 == 0 ? 1.0 : 0.0);
    }
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 400);
    EXPECT_EQ(viewport[3], 300);
    painting.releaseGraphics();
}

TEST(OffscreenSurfaceTest, PictureStartsAtTheTopRow) {
    OffscreenSurface surface(8, 6);
    surface.createContext();
    surface.makeCurrent();
    ASSERT_TRUE(surface.ready());
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // GL counts rows from the bottom: this lights the upper half.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 3, 8, 3);
    glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    surface.swapBuffers();
    const Picture picture = surface.picture();
    EXPECT_EQ(picture.pixel(0, 0)[0], 255);
    EXPECT_NEAR(picture.pixel(7, 2)[1], 128, 1);
    EXPECT_EQ(picture.pixel(7, 2)[2], 0);
    EXPECT_EQ(picture.pixel(0, 3)[0], 0);
    EXPECT_EQ(picture.pixel(7, 5)[0], 0);
    surface.releaseContext();
}

}  // namespace
