#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "program_icon.h"

namespace {

unsigned read16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes.at(at) | (bytes.at(at + 1) << 8);
}

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return read16(bytes, at) | (static_cast<std::uint32_t>(read16(bytes, at + 2)) << 16);
}

struct Entry {
    int size;
    unsigned bits;
    std::vector<std::uint8_t> data;
};

std::vector<Entry> readIconFile(const std::vector<std::uint8_t>& bytes) {
    std::vector<Entry> entries;
    EXPECT_EQ(read16(bytes, 0), 0u);
    EXPECT_EQ(read16(bytes, 2), 1u) << "not an icon";
    const unsigned count = read16(bytes, 4);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * i;
        const std::uint32_t length = read32(bytes, at + 8);
        const std::uint32_t offset = read32(bytes, at + 12);
        EXPECT_LE(offset + length, bytes.size());
        Entry entry{bytes.at(at) == 0 ? 256 : bytes.at(at), read16(bytes, at + 6), {}};
        EXPECT_EQ(bytes.at(at + 1), bytes.at(at)) << "a square image";
        entry.data.assign(bytes.begin() + offset, bytes.begin() + offset + length);
        entries.push_back(entry);
    }
    return entries;
}

bool isPng(const std::vector<std::uint8_t>& data) {
    static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return data.size() > 8 &&
           std::equal(std::begin(kSignature), std::end(kSignature), data.begin());
}

// The icon that the programs and the installer carry is what velmora-icon
// draws from the painting now: its bitmaps byte for byte (the offscreen
// rendering repeats exactly), its PNG image pixel for pixel, since another
// zlib may pack the same pixels differently.
TEST(ProgramIcon, CommittedIconIsWhatTheGeneratorDraws) {
    std::vector<IconImage> images;
    std::vector<std::uint8_t> drawn;
    std::string error;
    ASSERT_TRUE(DrawProgramIcon(images, error)) << error;
    ASSERT_TRUE(IconFileBytes(images, drawn, error)) << error;

    std::ifstream file(VELMORA_ICON_FILE, std::ios::binary);
    ASSERT_TRUE(file) << VELMORA_ICON_FILE;
    const std::vector<std::uint8_t> committed{std::istreambuf_iterator<char>(file),
                                              std::istreambuf_iterator<char>()};
    const std::vector<Entry> ours = readIconFile(committed);
    const std::vector<Entry> theirs = readIconFile(drawn);
    ASSERT_EQ(ours.size(), kIconSizes.size());
    ASSERT_EQ(theirs.size(), kIconSizes.size());
    for (std::size_t i = 0; i < kIconSizes.size(); ++i) {
        SCOPED_TRACE(kIconSizes[i]);
        EXPECT_EQ(ours[i].size, kIconSizes[i]);
        EXPECT_EQ(ours[i].bits, 32u);
        if (kIconSizes[i] == 256) {
            ASSERT_TRUE(isPng(ours[i].data));
            IconImage decoded;
            ASSERT_TRUE(DecodeIconPng(ours[i].data.data(), ours[i].data.size(), decoded));
            EXPECT_EQ(decoded.size, 256);
            EXPECT_TRUE(decoded.rgba == images[i].rgba) << "run the update_icon target";
        } else {
            ASSERT_FALSE(isPng(ours[i].data));
            // Header, 32-bit pixels and a one-bit mask of padded rows.
            const std::size_t maskRow = static_cast<std::size_t>((kIconSizes[i] + 31) / 32) * 4;
            EXPECT_EQ(ours[i].data.size(), 40 + kIconSizes[i] * kIconSizes[i] * 4 +
                                               maskRow * static_cast<std::size_t>(kIconSizes[i]));
            EXPECT_TRUE(ours[i].data == theirs[i].data) << "run the update_icon target";
        }
    }
}

// Each image shows streams of light over a transparent ground: neither empty
// nor a filled square, and its mask agrees with its transparency.
TEST(ProgramIcon, EveryImageShowsLightOnAClearGround) {
    std::vector<IconImage> images;
    std::string error;
    ASSERT_TRUE(DrawProgramIcon(images, error)) << error;
    ASSERT_EQ(images.size(), kIconSizes.size());
    for (const IconImage& image : images) {
        SCOPED_TRACE(image.size);
        const std::size_t pixels = static_cast<std::size_t>(image.size) * image.size;
        ASSERT_EQ(image.rgba.size(), pixels * 4);
        std::size_t opaque = 0;
        std::size_t clear = 0;
        for (std::size_t p = 0; p < pixels; ++p) {
            const std::uint8_t alpha = image.rgba[p * 4 + 3];
            opaque += alpha >= 128 ? 1 : 0;
            clear += alpha == 0 ? 1 : 0;
        }
        EXPECT_GE(opaque * 20, pixels) << "less than a twentieth of the image is light";
        EXPECT_GE(clear * 4, pixels) << "less than a quarter of the image is clear";
    }
}

}  // namespace
