#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <string>

#include "painting.h"
#include "renderer_settings.h"
#include "still_render.h"

namespace {

Picture still(int drawMode, bool oneByOne) {
    StillOptions options;
    options.width = 1920;
    options.height = 1080;
    options.frames = 300;
    options.seed = 3;
    options.drawMode = drawMode;
    options.oneByOne = oneByOne;
    Picture picture;
    std::string error;
    EXPECT_TRUE(renderStill(options, picture, error)) << error;
    return picture;
}

double mean(const Picture& picture) {
    double sum = 0.0;
    for (const std::uint8_t channel : picture.rgb) {
        sum += channel;
    }
    return sum / (255.0 * static_cast<double>(picture.rgb.size()));
}

// Of the channels, 0 to 1.
double rootMeanSquareDifference(const Picture& a, const Picture& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) {
        const double d = (static_cast<double>(a.rgb[i]) - static_cast<double>(b.rgb[i])) / 255.0;
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(a.rgb.size()));
}

// The batches draw the picture that every particle drawn on its own gives:
// the same colours and places, points as squares that light the pixels the
// smooth point lights, lines at widths within a class of their own. After
// 300 frames at full HD, pixel by pixel.
TEST(BatchedPicture, IsThePictureOfTheOneByOneDrawing) {
    struct Case {
        const char* name;
        int drawMode;
        double largestDifference;
    };
    for (const Case& c : {Case{"light sprites", kDrawSprites, 0.001},
                          Case{"points", kDrawPoints, 0.02}, Case{"lines", kDrawLines, 0.02}}) {
        const Picture batched = still(c.drawMode, false);
        const Picture oneByOne = still(c.drawMode, true);
        ASSERT_EQ(batched.rgb.size(), oneByOne.rgb.size());
        const double difference = rootMeanSquareDifference(batched, oneByOne);
        const double batchedMean = mean(batched), oneByOneMean = mean(oneByOne);
        std::cout << c.name << ": RMSE " << difference << ", mean brightness " << batchedMean
                  << " against " << oneByOneMean << "\n";
        ASSERT_GT(oneByOneMean, 0.02) << c.name << ": too little picture to compare";
        EXPECT_LE(difference, c.largestDifference) << c.name;
        EXPECT_NEAR(batchedMean, oneByOneMean, oneByOneMean * 0.03) << c.name;
    }
}

// A miniature as the preview draws it, points of 1.5 to 3.3 pixels, which
// the batches draw as one triangle each: the same picture too.
TEST(BatchedPicture, IsThePictureOfTheOneByOneDrawingInAMiniature) {
    const auto miniature = [](ParticleDrawing drawing) {
        OffscreenSurface surface(320, 240);
        Painting painting(surface, RendererSettings{});
        painting.setSizeScale(0.1f);
        painting.setParticleDrawing(drawing);
        painting.initGraphics(3);
        for (int frame = 0; frame < 200; ++frame) {
            painting.drawFrame();
        }
        Picture picture = surface.picture();
        painting.releaseGraphics();
        return picture;
    };
    const Picture batched = miniature(ParticleDrawing::kBatched);
    const Picture oneByOne = miniature(ParticleDrawing::kOneByOne);
    ASSERT_EQ(batched.rgb.size(), oneByOne.rgb.size());
    const double difference = rootMeanSquareDifference(batched, oneByOne);
    const double batchedMean = mean(batched), oneByOneMean = mean(oneByOne);
    std::cout << "miniature points: RMSE " << difference << ", mean brightness " << batchedMean
              << " against " << oneByOneMean << "\n";
    ASSERT_GT(oneByOneMean, 0.01) << "too little picture to compare";
    EXPECT_LE(difference, 0.02);
    EXPECT_NEAR(batchedMean, oneByOneMean, oneByOneMean * 0.03);
}

}  // namespace
