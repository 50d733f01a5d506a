// Screens of any shape and resolution: the trail fades the whole view, and
// points and lines keep their share of a screen of more than 1080 lines.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "gl_headers.h"
#include "offscreen_surface.h"
#include "painting.h"
#include "still_render.h"
#include "view_fit.h"

namespace {

constexpr std::uint32_t kSeed = 20240607;

struct Shape {
    const char* name;
    int width;
    int height;
};

// From a portrait 9:32 to 32:9, each at a size the offscreen context draws
// quickly; the quad depends on the shape alone.
const Shape kShapes[] = {
    {"9:32", 180, 640}, {"4:3", 320, 240},  {"16:9", 320, 180},
    {"8:3", 480, 180},  {"21:9", 420, 180}, {"32:9", 640, 180},
};

TEST(TrailQuad, CornersCoverTheViewAtEveryShape) {
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        OffscreenSurface surface(shape.width, shape.height);
        Painting painting(surface, RendererSettings{});
        painting.initGraphics(kSeed);
        ASSERT_TRUE(surface.ready());
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        painting.releaseGraphics();

        const double aspect = static_cast<double>(shape.width) / shape.height;
        const TrailQuad quad = trailQuadFor(aspect);
        // The corner (w, h, 0) through the painting's own projection, in
        // normalised device coordinates: the view is -1 to 1 both ways.
        const double clipX = m[0] * quad.halfWidth + m[12];
        const double clipY = m[5] * quad.halfHeight + m[13];
        const double clipW = m[3] * quad.halfWidth + m[7] * quad.halfHeight + m[15];
        EXPECT_GE(clipX / clipW, 1.0);
        EXPECT_GE(clipY / clipW, 1.0);
        if (aspect <= 8.0 / 3.0) {
            // The quad the painting always drew, to the bit.
            EXPECT_EQ(quad.halfWidth, 40.0f);
            EXPECT_EQ(quad.halfHeight, 17.0f);
        }
    }
}

bool white(const std::uint8_t* pixel) {
    return pixel[0] >= 250 && pixel[1] >= 250 && pixel[2] >= 250;
}

// Share of white pixels in the columns [x0, x1) and rows [y0, y1).
double whiteShare(const Picture& picture, int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            count += white(picture.pixel(x, y)) ? 1 : 0;
        }
    }
    return static_cast<double>(count) / ((x1 - x0) * (y1 - y0));
}

// A buffer that starts white must be faded everywhere within a dozen frames
// (0.598 to the 12th power leaves less than 1 of 255); a part of the view the
// quad misses would stay white for good. Sprites are sized in the scene, so
// the small views are lit as sparsely as a screen.
TEST(TrailQuad, FadesEveryEdgeOfTheView) {
    RendererSettings sprites;
    sprites.drawMode = kDrawSprites;
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        OffscreenSurface surface(shape.width, shape.height);
        Painting painting(surface, sprites);
        painting.initGraphics(kSeed);
        ASSERT_TRUE(surface.ready());
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        for (int frame = 0; frame < 12; ++frame) {
            painting.drawFrame();
        }
        const Picture picture = surface.picture();
        painting.releaseGraphics();

        const int w = picture.width, h = picture.height, tenthX = w / 10, tenthY = h / 10;
        EXPECT_LT(whiteShare(picture, 0, tenthX, 0, h), 0.01) << "left tenth";
        EXPECT_LT(whiteShare(picture, w - tenthX, w, 0, h), 0.01) << "right tenth";
        EXPECT_LT(whiteShare(picture, 0, w, 0, tenthY), 0.01) << "top tenth";
        EXPECT_LT(whiteShare(picture, 0, w, h - tenthY, h), 0.01) << "bottom tenth";
    }
}

// Mean grey (0 to 255) of the columns [x0, x1) and rows [y0, y1).
double meanGrey(const Picture& picture, int x0, int x1, int y0, int y1) {
    double sum = 0.0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* p = picture.pixel(x, y);
            sum += (p[0] + p[1] + p[2]) / 3.0;
        }
    }
    return sum / ((x1 - x0) * (y1 - y0));
}

double meanBrightness(const Picture& picture) {
    return meanGrey(picture, 0, picture.width, 0, picture.height) / 255.0;
}

Picture still(int width, int height, int frames, std::uint32_t seed, int drawMode,
              bool oneByOne = false) {
    StillOptions options;
    options.oneByOne = oneByOne;
    options.width = width;
    options.height = height;
    options.frames = frames;
    options.seed = seed;
    options.drawMode = drawMode;
    Picture picture;
    std::string error;
    EXPECT_TRUE(renderStill(options, picture, error)) << error;
    return picture;
}

// The still of a 32:9 screen after a few hundred frames, as a user sees it:
// with sprites, whose size is in the scene, a small picture looks like a large
// one. Where the sides were not faded they burnt in nearly white.
TEST(TrailQuad, WideStillFadesAtTheSidesAsInTheMiddle) {
    const Picture picture = still(640, 180, 200, 2, kDrawSprites);
    ASSERT_EQ(picture.width, 640);
    const int w = picture.width, h = picture.height;
    const double middleColumns = meanGrey(picture, 4 * w / 10, 6 * w / 10, 0, h);
    const double middleRows = meanGrey(picture, 0, w, 4 * h / 10, 6 * h / 10);
    const double left = meanGrey(picture, 0, w / 10, 0, h);
    const double right = meanGrey(picture, w - w / 10, w, 0, h);
    const double top = meanGrey(picture, 0, w, 0, h / 10);
    const double bottom = meanGrey(picture, 0, w, h - h / 10, h);
    std::cout << "640x180 sprites, 200 frames: sides " << left << " and " << right
              << ", middle columns " << middleColumns << "; top " << top << ", bottom " << bottom
              << ", middle rows " << middleRows << "\n";
    ASSERT_GT(middleColumns, 2.0) << "too little picture to compare";
    EXPECT_LE(left, 2.0 * middleColumns);
    EXPECT_LE(right, 2.0 * middleColumns);
    EXPECT_LE(top, 2.0 * middleRows);
    EXPECT_LE(bottom, 2.0 * middleRows);
}

TEST(ParticleSize, GrowsWithScreensOfMoreThan1080Lines) {
    struct Case {
        int lines;
        float scale;
    };
    for (const Case& c :
         {Case{0, 1.0f}, Case{480, 1.0f}, Case{1080, 1.0f}, Case{1200, 1200.0f / 1080},
          Case{1440, 1440.0f / 1080}, Case{2160, 2.0f}, Case{4320, 4.0f}}) {
        EXPECT_EQ(particleSizeScale(c.lines), c.scale) << c.lines << " lines";
    }
    EXPECT_EQ(limitedSize(33.0f, 64.0f), 33.0f);
    EXPECT_EQ(limitedSize(66.0f, 64.0f), 64.0f);
    EXPECT_EQ(limitedSize(66.0f, 0.0f), 66.0f) << "an unknown largest limits nothing";
    EXPECT_EQ(limitedSize(0.006f, 1.0f), 0.006f) << "the smallest are left to the implementation";

    const ParticleSizing designed{1.0f, 33.0f, 64.0f};
    const ParticleSizing tall{2.0f, 66.0f, 64.0f};
    EXPECT_FALSE(designed.limited());
    EXPECT_TRUE(tall.limited());
}

// The preview shows the whole screen in miniature: a 152 x 112 preview of a
// 1080-line screen draws the 33-pixel points at about 3.4 pixels, and a
// 2160-line screen, whose own points are twice as large, looks the same there.
TEST(ParticleSize, APreviewIsTheScreenInMiniature) {
    struct Case {
        int view;
        int screen;
        float scale;
    };
    for (const Case& c :
         {Case{112, 1080, 112.0f / 1080}, Case{112, 2160, 112.0f / 1080},
          Case{480, 768, 480.0f / 768}, Case{112, 0, 1.0f}, Case{1440, 0, 1440.0f / 1080}}) {
        EXPECT_FLOAT_EQ(miniatureSizeScale(c.view, c.screen), c.scale)
            << c.view << " of " << c.screen << " lines";
    }

    for (int drawMode : {kDrawPoints, kDrawLines}) {
        RendererSettings settings;
        settings.drawMode = drawMode;
        OffscreenSurface surface(152, 112);
        Painting painting(surface, settings);
        painting.setSizeScale(miniatureSizeScale(112, 1080));
        painting.initGraphics(kSeed);
        ASSERT_TRUE(surface.ready());
        const ParticleSizing given = painting.particleSizing();
        painting.setSizeScale(0.0f);
        painting.resize({0, 0, 1920, 1080});
        const ParticleSizing own = painting.particleSizing();
        painting.releaseGraphics();
        EXPECT_FLOAT_EQ(given.scale, 112.0f / 1080) << drawMode;
        EXPECT_FLOAT_EQ(given.nearest, own.nearest * 112.0f / 1080) << drawMode;
        EXPECT_EQ(own.scale, 1.0f) << "without a given scale the view's own height counts";
        if (drawMode == kDrawPoints) {
            EXPECT_NEAR(given.nearest, 3.4f, 0.05f);
        }
    }
}

// Scaling a picture down averages its pixels and keeps its mean: a taller
// screen of the same shape must come out as bright as one of 1080 lines.
// Narrow shapes keep the pictures small; the rule depends on the height alone.
TEST(ParticleSize, TallScreensKeepTheLookOf1080Lines) {
    struct Case {
        const char* name;
        int drawMode;
        int lines;
    };
    for (const Case& c : {Case{"points", kDrawPoints, 1440}, Case{"points", kDrawPoints, 2160},
                          Case{"lines", kDrawLines, 2160}}) {
        const double designed = meanBrightness(still(540, 1080, 100, 4, c.drawMode));
        ASSERT_GT(designed, 0.01) << "too little picture to compare";
        const double tall = meanBrightness(still(c.lines / 2, c.lines, 100, 4, c.drawMode));
        std::cout << c.name << ": mean brightness " << tall << " at " << c.lines / 2 << "x"
                  << c.lines << ", " << designed << " at 540x1080\n";
        EXPECT_NEAR(tall, designed, designed / 5) << c.name << " at " << c.lines << " lines";
    }
}

std::uint64_t fnv1a(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * 0x100000001b3u;
    }
    return hash;
}

// A full HD screen is what the painting was made for: it draws it exactly as
// it did before it fitted other screens (each particle drawn on its own, as
// then; the batches are held to this picture in batched_picture_test). The hashes are of the
// pictures that drawing gave, as the Mesa of the project's Debian machines renders them; a Mesa
// that rounds differently changes them without any fault of the painting.
TEST(ParticleSize, FullHdDrawsAsItAlwaysDid) {
    struct Case {
        const char* name;
        int drawMode;
        std::uint64_t hash;
    };
    for (const Case& c : {Case{"points", kDrawPoints, 0xf243c5ce648643edu},
                          Case{"lines", kDrawLines, 0x72c4e360e337c5f4u}}) {
        const Picture picture = still(1920, 1080, 30, 7, c.drawMode, true);
        ASSERT_GT(meanBrightness(picture), 0.005) << c.name << ": too little picture";
        EXPECT_EQ(fnv1a(picture.rgb), c.hash) << c.name;
    }
}

}  // namespace
