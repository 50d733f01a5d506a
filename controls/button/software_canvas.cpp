#include "software_canvas.h"

#include <algorithm>

#include "bmp_file.h"

namespace {

std::uint8_t Level(std::uint16_t top, std::uint16_t bottom, int row, int rows) {
    // Linear from the top vertex's level to the bottom one's, in 16 bits;
    // the colour is the high byte.
    const std::uint32_t level =
        (static_cast<std::uint32_t>(top) * static_cast<std::uint32_t>(rows - row) +
         static_cast<std::uint32_t>(bottom) * static_cast<std::uint32_t>(row)) /
        static_cast<std::uint32_t>(rows);
    return static_cast<std::uint8_t>(level >> 8);
}

// The source pixel under the centre of target pixel `index` of `count`.
int SourceUnder(int index, int count, int sourceStart, int sourceCount) {
    return sourceStart + static_cast<int>((2LL * index + 1) * sourceCount / (2LL * count));
}

}  // namespace

bool ReadFacePictureFiles(const std::string& folder, FacePictureSet& pictures, std::string& error) {
    for (FacePicture picture : kFacePictures) {
        const std::string path = folder + "/" + FacePictureName(picture) + ".bmp";
        if (!ReadBmpFile(path, pictures[FacePictureIndex(picture)], error)) {
            return false;
        }
    }
    return true;
}

SoftwareCanvas::SoftwareCanvas(int width, int height, const FacePictureSet& pictures,
                               int dotsPerInch)
    : image_(width, height), pictures_(pictures), twipsPerPixel_(TwipsPerPixelAt(dotsPerInch)) {
    clear();
}

void SoftwareCanvas::resize(int width, int height) {
    image_ = RgbImage(width, height);
    clear();
}

void SoftwareCanvas::clear() {
    for (int y = 0; y < image_.height; ++y) {
        for (int x = 0; x < image_.width; ++x) {
            image_.setColour(x, y, kBackground);
        }
    }
}

void SoftwareCanvas::fillGradientV(const GradientVertex (&vertices)[2], const GradientRect& rect) {
    if (rect.upperLeft > 1 || rect.lowerRight > 1) {
        return;
    }
    const GradientVertex& a = vertices[rect.upperLeft];
    const GradientVertex& b = vertices[rect.lowerRight];
    const GradientVertex& top = a.y <= b.y ? a : b;
    const GradientVertex& bottom = a.y <= b.y ? b : a;
    const int left = std::min(a.x, b.x);
    const int right = std::max(a.x, b.x);
    const int rows = bottom.y - top.y;
    for (int y = std::max(top.y, 0); y < std::min(bottom.y, image_.height); ++y) {
        const int row = y - top.y;
        const std::uint8_t red = Level(top.red, bottom.red, row, rows);
        const std::uint8_t green = Level(top.green, bottom.green, row, rows);
        const std::uint8_t blue = Level(top.blue, bottom.blue, row, rows);
        for (int x = std::max(left, 0); x < std::min(right, image_.width); ++x) {
            std::uint8_t* p = image_.pixel(x, y);
            p[0] = red;
            p[1] = green;
            p[2] = blue;
        }
    }
}

void SoftwareCanvas::paintPicture(FacePicture picture, const TwipRect& destination,
                                  const TwipRect& source) {
    const RgbImage& from = pictures_[FacePictureIndex(picture)];
    const PixelRect to = PixelsFromTwips(destination, twipsPerPixel_, twipsPerPixel_);
    const PixelRect in = PixelsFromTwips(source, kPictureTwipsPerPixel, kPictureTwipsPerPixel);
    if (to.width <= 0 || to.height <= 0 || in.width <= 0 || in.height <= 0) {
        return;
    }
    for (int row = 0; row < to.height; ++row) {
        const int y = to.y + row;
        const int sourceY = SourceUnder(row, to.height, in.y, in.height);
        if (y < 0 || y >= image_.height || sourceY < 0 || sourceY >= from.height) {
            continue;
        }
        for (int column = 0; column < to.width; ++column) {
            const int x = to.x + column;
            const int sourceX = SourceUnder(column, to.width, in.x, in.width);
            if (x < 0 || x >= image_.width || sourceX < 0 || sourceX >= from.width) {
                continue;
            }
            std::copy_n(from.pixel(sourceX, sourceY), 3, image_.pixel(x, y));
        }
    }
}
