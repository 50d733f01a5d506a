#include "bmp_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kPixelsPerMetreAt96Dpi = 3780;
constexpr std::int32_t kLargestSide = 65536;

void Put16(std::string& bytes, std::uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, std::uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

std::uint32_t Get16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8;
}

std::uint32_t Get32(const std::string& bytes, std::size_t at) {
    return Get16(bytes, at) | Get16(bytes, at + 2) << 16;
}

std::size_t RowSize(int width) {
    // Rows are padded to whole 32-bit words.
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

}  // namespace

std::string BmpBytes(const RgbImage& image) {
    const std::size_t rowSize = RowSize(image.width);
    const std::size_t pixelBytes = rowSize * static_cast<std::size_t>(image.height);
    std::string bytes;
    bytes.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    bytes += "BM";
    Put32(bytes, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + pixelBytes));
    Put32(bytes, 0);
    Put32(bytes, kFileHeaderSize + kInfoHeaderSize);
    Put32(bytes, kInfoHeaderSize);
    Put32(bytes, static_cast<std::uint32_t>(image.width));
    Put32(bytes, static_cast<std::uint32_t>(image.height));  // positive: bottom row first
    Put16(bytes, 1);                                         // planes
    Put16(bytes, 24);                                        // bits per pixel
    Put32(bytes, 0);                                         // BI_RGB
    Put32(bytes, static_cast<std::uint32_t>(pixelBytes));
    Put32(bytes, kPixelsPerMetreAt96Dpi);
    Put32(bytes, kPixelsPerMetreAt96Dpi);
    Put32(bytes, 0);
    Put32(bytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            bytes += static_cast<char>(p[2]);
            bytes += static_cast<char>(p[1]);
            bytes += static_cast<char>(p[0]);
        }
        bytes.append(rowSize - static_cast<std::size_t>(image.width) * 3, '\0');
    }
    return bytes;
}

bool ReadBmp(const std::string& bytes, RgbImage& image, std::string& error) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.compare(0, 2, "BM") != 0) {
        error = "not a Windows bitmap file";
        return false;
    }
    const std::uint32_t pixelOffset = Get32(bytes, 10);
    const auto width = static_cast<std::int32_t>(Get32(bytes, 18));
    const auto height = static_cast<std::int32_t>(Get32(bytes, 22));
    if (Get32(bytes, 14) < kInfoHeaderSize || Get16(bytes, 28) != 24 || Get32(bytes, 30) != 0) {
        error = "not an uncompressed 24-bit bitmap";
        return false;
    }
    // In 64 bits: the height may be INT32_MIN, and on a 32-bit system the
    // size of a 65536 x 65536 picture wraps round in a size_t.
    const std::int64_t rows64 = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (width <= 0 || height == 0 || width > kLargestSide || rows64 > kLargestSide) {
        error = "a bitmap of an impossible size";
        return false;
    }
    const bool bottomUp = height > 0;
    const int rows = static_cast<int>(rows64);
    const std::uint64_t rowSize64 = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
    if (pixelOffset > bytes.size() || static_cast<std::uint64_t>(bytes.size() - pixelOffset) <
                                          rowSize64 * static_cast<std::uint64_t>(rows)) {
        error = "the bitmap's pixels are cut short";
        return false;
    }
    const std::size_t rowSize = RowSize(width);
    image = RgbImage(width, rows);
    for (int row = 0; row < rows; ++row) {
        const int y = bottomUp ? rows - 1 - row : row;
        const std::size_t start = pixelOffset + rowSize * static_cast<std::size_t>(row);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = start + static_cast<std::size_t>(x) * 3;
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(bytes[at + 2]);
            p[1] = static_cast<std::uint8_t>(bytes[at + 1]);
            p[2] = static_cast<std::uint8_t>(bytes[at]);
        }
    }
    return true;
}

bool WriteBmpFile(const std::string& path, const RgbImage& image, std::string& error) {
    std::ofstream file(path, std::ios::binary);
    const std::string bytes = BmpBytes(image);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !file.flush()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool ReadBmpFile(const std::string& path, RgbImage& image, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (!ReadBmp(bytes, image, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
