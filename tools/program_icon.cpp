#include "program_icon.h"

#include <algorithm>
#include <cstring>

#include <png.h>

#include "offscreen_surface.h"
#include "painting.h"

namespace {

// The painting at this size shows many streams at once, each several pixels
// wide, enough to scale down to the large image and to cut the small ones
// from.
constexpr int kRenderSize = 512;
constexpr int kFrames = 120;
constexpr std::uint32_t kSeed = 11;
// Lines: continuous streams read better when shrunk than rows of points.
constexpr std::int32_t kLineMode = 2;
// Below this brightness a pixel is left transparent, so that the faint end
// of the trails does not lie over the desktop as a haze.
constexpr int kClearBelow = 24;

struct Square {
    int x = 0;
    int y = 0;
    int side = 0;
};

// The average colour of each `factor` x `factor` block of the square.
std::vector<float> shrink(const Picture& picture, const Square& square, int size) {
    const int factor = square.side / size;
    std::vector<float> rgb(static_cast<std::size_t>(size) * size * 3, 0.0f);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float* out = &rgb[(static_cast<std::size_t>(y) * size + x) * 3];
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const std::uint8_t* in =
                        picture.pixel(square.x + x * factor + dx, square.y + y * factor + dy);
                    out[0] += in[0];
                    out[1] += in[1];
                    out[2] += in[2];
                }
            }
            for (int c = 0; c < 3; ++c) {
                out[c] /= static_cast<float>(factor * factor);
            }
        }
    }
    return rgb;
}

// How well a stream stands out in the shrunk square: as many pixels that read
// as light as pixels that stay clear around them. A square full of light
// shrinks to a blur, an empty one to nothing.
int clearLight(const std::vector<float>& rgb) {
    int light = 0;
    int clear = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        const float brightness = std::max({rgb[i], rgb[i + 1], rgb[i + 2]});
        light += brightness >= 96.0f ? 1 : 0;
        clear += brightness < static_cast<float>(kClearBelow) ? 1 : 0;
    }
    return std::min(light, clear);
}

// Brightness becomes opacity, and the colour is what the light adds over
// black, so that the streams glow the same over any background.
IconImage toIcon(const std::vector<float>& rgb, int size) {
    float brightest = 1.0f;
    for (float value : rgb) {
        brightest = std::max(brightest, value);
    }
    // Shrinking spreads the light of a thin stream over its neighbours;
    // bringing the brightest pixel back to full light keeps it vivid.
    const float gain = 255.0f / brightest;
    IconImage image;
    image.size = size;
    image.rgba.resize(static_cast<std::size_t>(size) * size * 4);
    for (std::size_t i = 0, o = 0; i < rgb.size(); i += 3, o += 4) {
        int channel[3];
        for (int c = 0; c < 3; ++c) {
            channel[c] = std::min(255, static_cast<int>(rgb[i + c] * gain + 0.5f));
        }
        const int alpha = std::max({channel[0], channel[1], channel[2]});
        if (alpha < kClearBelow) {
            continue;
        }
        for (int c = 0; c < 3; ++c) {
            image.rgba[o + c] = static_cast<std::uint8_t>((channel[c] * 255 + alpha / 2) / alpha);
        }
        image.rgba[o + 3] = static_cast<std::uint8_t>(alpha);
    }
    return image;
}

IconImage drawImage(const Picture& picture, int size) {
    if (size * 2 >= kRenderSize / 2) {
        return toIcon(shrink(picture, Square{0, 0, kRenderSize}, size), size);
    }
    // A small image shows a part of the painting at a sixth, where a whole
    // frame would shrink to noise; the part is the one with the most light.
    const int side = size * 6;
    Square best;
    int bestLight = -1;
    for (int y = 0; y + side <= kRenderSize; y += 16) {
        for (int x = 0; x + side <= kRenderSize; x += 16) {
            const int light = clearLight(shrink(picture, Square{x, y, side}, size));
            if (light > bestLight) {
                bestLight = light;
                best = Square{x, y, side};
            }
        }
    }
    return toIcon(shrink(picture, best, size), size);
}

void put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A 32-bit bitmap as an icon holds it: the header gives twice the height
// (picture and mask), rows run bottom up in blue, green, red, alpha, and the
// one-bit mask marks the transparent pixels for systems that ignore alpha.
std::vector<std::uint8_t> bitmapImage(const IconImage& image) {
    const int size = image.size;
    const int maskRowBytes = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);  // BI_RGB
    put32(out, static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size));
    for (int i = 0; i < 4; ++i) {
        put32(out, 0);
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x) {
            if (image.rgba[(static_cast<std::size_t>(y) * size + x) * 4 + 3] == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool pngImage(const IconImage& image, std::vector<std::uint8_t>& out) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.size);
    png.height = static_cast<png_uint_32>(image.size);
    png.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.rgba.data(), 0, nullptr)) {
        return false;
    }
    out.resize(size);
    const bool written =
        png_image_write_to_memory(&png, out.data(), &size, 0, image.rgba.data(), 0, nullptr) != 0;
    out.resize(size);
    png_image_free(&png);
    return written;
}

}  // namespace

bool DrawProgramIcon(std::vector<IconImage>& images, std::string& error) {
    RendererSettings settings;
    settings.drawMode = kLineMode;
    OffscreenSurface surface(kRenderSize, kRenderSize);
    Painting painting(surface, settings);
    painting.initGraphics(kSeed);
    if (!surface.ready()) {
        error = "no offscreen OpenGL context for the icon";
        painting.releaseGraphics();
        return false;
    }
    for (int frame = 0; frame < kFrames; ++frame) {
        painting.drawFrame();
    }
    const Picture picture = surface.picture();
    painting.releaseGraphics();

    images.clear();
    for (int size : kIconSizes) {
        images.push_back(drawImage(picture, size));
    }
    return true;
}

bool IconFileBytes(const std::vector<IconImage>& images, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const IconImage& image : images) {
        std::vector<std::uint8_t> data;
        if (image.size >= 256) {
            if (!pngImage(image, data)) {
                error = "cannot encode the 256-pixel image as PNG";
                return false;
            }
        } else {
            data = bitmapImage(image);
        }
        encoded.push_back(std::move(data));
    }
    bytes.clear();
    put16(bytes, 0);
    put16(bytes, 1);  // an icon
    put16(bytes, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A width and height of 256 are written as 0.
        const auto side = static_cast<std::uint8_t>(images[i].size >= 256 ? 0 : images[i].size);
        bytes.insert(bytes.end(), {side, side, 0, 0});
        put16(bytes, 1);
        put16(bytes, 32);
        put32(bytes, static_cast<std::uint32_t>(encoded[i].size()));
        put32(bytes, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const auto& data : encoded) {
        bytes.insert(bytes.end(), data.begin(), data.end());
    }
    return true;
}

bool DecodeIconPng(const std::uint8_t* data, std::size_t size, IconImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, size)) {
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    image.size = static_cast<int>(png.width);
    image.rgba.resize(PNG_IMAGE_SIZE(png));
    const bool read = png.width == png.height &&
                      png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return read;
}
