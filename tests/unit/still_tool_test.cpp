#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "image_file.h"
#include "still_options.h"

namespace {

Picture gradient(int width, int height) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.rgb.push_back(static_cast<std::uint8_t>(x * 255 / (width - 1)));
            picture.rgb.push_back(static_cast<std::uint8_t>(y * 255 / (height - 1)));
            picture.rgb.push_back(200);
        }
    }
    return picture;
}

std::vector<std::uint8_t> readPng(const std::string& path, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::vector<std::uint8_t> rgb;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return rgb;
    }
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr);
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return rgb;
}

std::vector<std::uint8_t> readJpeg(const std::string& path, int& width, int& height) {
    std::vector<std::uint8_t> rgb;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return rgb;
    }
    jpeg_decompress_struct codec{};
    jpeg_error_mgr errors{};
    codec.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&codec);
    jpeg_stdio_src(&codec, file);
    jpeg_read_header(&codec, TRUE);
    codec.out_color_space = JCS_RGB;
    jpeg_start_decompress(&codec);
    width = static_cast<int>(codec.output_width);
    height = static_cast<int>(codec.output_height);
    rgb.resize(static_cast<std::size_t>(width * height * 3));
    while (codec.output_scanline < codec.output_height) {
        JSAMPROW row = &rgb[static_cast<std::size_t>(codec.output_scanline) * width * 3];
        jpeg_read_scanlines(&codec, &row, 1);
    }
    jpeg_finish_decompress(&codec);
    jpeg_destroy_decompress(&codec);
    std::fclose(file);
    return rgb;
}

TEST(ImageFile, FormatByEndingWithCaseIgnored) {
    EXPECT_EQ(imageFormatFor("still.png"), ImageFormat::Png);
    EXPECT_EQ(imageFormatFor("STILL.PNG"), ImageFormat::Png);
    EXPECT_EQ(imageFormatFor("a/b.jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatFor("b.Jpeg"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatFor("b.bmp"), ImageFormat::Unknown);
    EXPECT_EQ(imageFormatFor("png"), ImageFormat::Unknown);
}

TEST(ImageFile, PngKeepsEveryPixel) {
    const Picture picture = gradient(37, 21);
    const std::string path = ::testing::TempDir() + "velmora_still_test.png";
    std::string error;
    ASSERT_TRUE(writeImage(path, picture, error)) << error;
    int width = 0, height = 0;
    EXPECT_EQ(readPng(path, width, height), picture.rgb);
    EXPECT_EQ(width, 37);
    EXPECT_EQ(height, 21);
    std::remove(path.c_str());
}

TEST(ImageFile, JpegIsClose) {
    const Picture picture = gradient(64, 48);
    const std::string path = ::testing::TempDir() + "velmora_still_test.jpg";
    std::string error;
    ASSERT_TRUE(writeImage(path, picture, error)) << error;
    int width = 0, height = 0;
    const std::vector<std::uint8_t> rgb = readJpeg(path, width, height);
    ASSERT_EQ(width, 64);
    ASSERT_EQ(height, 48);
    ASSERT_EQ(rgb.size(), picture.rgb.size());
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        ASSERT_NEAR(rgb[i], picture.rgb[i], 8) << "byte " << i;
    }
    std::remove(path.c_str());
}

TEST(ImageFile, ReportsWhatCannotBeWritten) {
    std::string error;
    EXPECT_FALSE(writeImage("still.gif", gradient(4, 4), error));
    EXPECT_NE(error.find("still.gif"), std::string::npos);
    error.clear();
    EXPECT_FALSE(
        writeImage(::testing::TempDir() + "no/such/folder/still.png", gradient(4, 4), error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);

    // An encoder that fails (a picture without pixels) leaves the older
    // picture as it was and no partial file beside it.
    const std::string path = ::testing::TempDir() + "velmora_still_kept.png";
    ASSERT_TRUE(writeImage(path, gradient(5, 3), error)) << error;
    error.clear();
    EXPECT_FALSE(writeImage(path, gradient(0, 0), error));
    EXPECT_NE(error.find("encoder"), std::string::npos) << error;
    int width = 0, height = 0;
    EXPECT_EQ(readPng(path, width, height), gradient(5, 3).rgb);
    std::FILE* partial = std::fopen((path + ".partial").c_str(), "rb");
    EXPECT_EQ(partial, nullptr);
    if (partial != nullptr) {
        std::fclose(partial);
    }
    std::remove(path.c_str());
}

bool parse(std::vector<const char*> args, StillOptions& options, std::string& error) {
    args.insert(args.begin(), "velmora-still");
    return parseStillOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(StillOptionsTest, ReadsEveryOption) {
    StillOptions options;
    std::string error;
    ASSERT_TRUE(
        parse({"--width", "1280", "--height", "720", "--frames", "90", "--seed", "4294967295", "-o",
               "out.jpeg", "--lossy-swap", "--draw-mode", "2", "--preset", "dense-sprites"},
              options, error))
        << error;
    EXPECT_EQ(options.width, 1280);
    EXPECT_EQ(options.height, 720);
    EXPECT_EQ(options.frames, 90);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(options.output, "out.jpeg");
    ASSERT_TRUE(options.drawMode.has_value());
    EXPECT_EQ(*options.drawMode, 2);
    EXPECT_TRUE(options.lossySwap);
    EXPECT_EQ(options.preset, 2);

    StillOptions defaults;
    ASSERT_TRUE(
        parse({"-o", "a.png", "--seed", "0", "--frames", "1", "--height", "1", "--width", "1"},
              defaults, error));
    EXPECT_FALSE(defaults.drawMode.has_value());
    EXPECT_FALSE(defaults.preset.has_value());
    EXPECT_FALSE(defaults.lossySwap);
}

TEST(StillOptionsTest, RejectsBadArguments) {
    const std::vector<std::vector<const char*>> bad = {
        {},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "1"},
        {"--width", "64", "--height", "64", "--frames", "1", "-o", "a.png"},
        {"--width", "0", "--height", "64", "--frames", "1", "--seed", "1", "-o", "a.png"},
        {"--width", "64x", "--height", "64", "--frames", "1", "--seed", "1", "-o", "a.png"},
        {"--width", "64", "--height", "64", "--frames", "0", "--seed", "1", "-o", "a.png"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "-1", "-o", "a.png"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "4294967296", "-o", "a.png"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "1", "-o", "a.tiff"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "1", "-o", "a.png",
         "--draw-mode", "3"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "1", "-o", "a.png",
         "--fast"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "1", "-o", "a.png",
         "--preset", "Calm-Lines"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "1", "-o"},
        {"--width", "64", "--height", "64", "--frames", "1", "--seed", "1", "-o", "a.png",
         "--lossy-swap", "1"},
    };
    for (const std::vector<const char*>& args : bad) {
        StillOptions options;
        std::string error;
        EXPECT_FALSE(parse(args, options, error)) << "argument list " << &args - bad.data();
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
