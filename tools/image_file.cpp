#include "image_file.h"

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <png.h>

namespace {

constexpr int kJpegQuality = 92;

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool writePng(std::FILE* file, const Picture& picture, std::string& error) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        error = "cannot start the PNG encoder";
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = "the PNG encoder failed";
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
        png_write_row(png, picture.pixel(0, y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

struct JpegFailure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void leaveJpeg(j_common_ptr codec) {
    std::longjmp(reinterpret_cast<JpegFailure*>(codec->err)->jump, 1);
}

bool writeJpeg(std::FILE* file, const Picture& picture, std::string& error) {
    jpeg_compress_struct codec{};
    JpegFailure failure{};
    codec.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = leaveJpeg;
    if (setjmp(failure.jump)) {
        jpeg_destroy_compress(&codec);
        error = "the JPEG encoder failed";
        return false;
    }
    jpeg_create_compress(&codec);
    jpeg_stdio_dest(&codec, file);
    codec.image_width = static_cast<JDIMENSION>(picture.width);
    codec.image_height = static_cast<JDIMENSION>(picture.height);
    codec.input_components = 3;
    codec.in_color_space = JCS_RGB;
    jpeg_set_defaults(&codec);
    jpeg_set_quality(&codec, kJpegQuality, TRUE);
    jpeg_start_compress(&codec, TRUE);
    while (codec.next_scanline < codec.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(picture.pixel(0, static_cast<int>(codec.next_scanline)));
        jpeg_write_scanlines(&codec, &row, 1);
    }
    jpeg_finish_compress(&codec);
    jpeg_destroy_compress(&codec);
    return true;
}

}  // namespace

ImageFormat imageFormatFor(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (endsWith(lower, ".png")) {
        return ImageFormat::Png;
    }
    if (endsWith(lower, ".jpg") || endsWith(lower, ".jpeg")) {
        return ImageFormat::Jpeg;
    }
    return ImageFormat::Unknown;
}

bool writeImage(const std::string& path, const Picture& picture, std::string& error) {
    const ImageFormat format = imageFormatFor(path);
    if (format == ImageFormat::Unknown) {
        error = "cannot tell the image format of " + path + " (use .png, .jpg or .jpeg)";
        return false;
    }
    // The picture is written beside its place and only then renamed into it,
    // so a failure leaves no partial file behind and an older picture intact.
    const std::string partial = path + ".partial";
    File file(std::fopen(partial.c_str(), "wb"));
    if (!file) {
        error = "cannot open " + partial + " for writing";
        return false;
    }
    bool written = format == ImageFormat::Png ? writePng(file.get(), picture, error)
                                              : writeJpeg(file.get(), picture, error);
    if (std::fclose(file.release()) != 0 && written) {
        error = "cannot finish writing " + partial;
        written = false;
    }
    if (written && std::rename(partial.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + partial + " to " + path;
        written = false;
    }
    if (!written) {
        std::remove(partial.c_str());
    }
    return written;
}
