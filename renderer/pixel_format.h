#pragma once

#include <cstdint>
#include <vector>

// The pixel-format descriptor's flags and pixel type, with the values the
// Windows headers give them; the portable code cannot include those headers.
constexpr std::uint32_t kPfdDoubleBuffer = 0x00000001u;
constexpr std::uint32_t kPfdDrawToWindow = 0x00000004u;
constexpr std::uint32_t kPfdSupportOpenGL = 0x00000020u;
constexpr std::uint32_t kPfdGenericFormat = 0x00000040u;
constexpr std::uint32_t kPfdSwapExchange = 0x00000200u;
constexpr std::uint32_t kPfdSwapCopy = 0x00000400u;
constexpr std::uint32_t kPfdGenericAccelerated = 0x00001000u;
constexpr std::uint8_t kPfdTypeRgba = 0;

// The descriptor fields that decide which pixel format the painting takes.
struct PixelFormatFields {
    std::uint32_t dwFlags;
    std::uint8_t iPixelType;
    std::uint8_t cColorBits;
    std::uint8_t cDepthBits;
};

// A format the painting can use at all: OpenGL into a window, double
// buffered, RGBA.
bool pixelFormatQualifies(const PixelFormatFields& format);

// How much the painting likes a qualifying format. A driver's own format
// beats the generic one by far, an accelerated generic one beats a plain
// one; within that, depth bits count twice and colour beyond 16 bits costs
// a little.
int pixelFormatScore(const PixelFormatFields& format);

// Whether the back buffer still holds the finished picture after a swap.
// Only a format that promises to copy at the swap says so; one that
// exchanges the buffers, or promises neither, may leave an older picture or
// none. A single-buffered format has nothing to swap and always keeps it.
bool swapKeepsPicture(const PixelFormatFields& format);

// Walks the formats in the order the device context numbers them, from 1.
class PixelFormatChoice {
  public:
    void consider(int index, const PixelFormatFields& format);

    // 1-based index of the best format so far, 0 when none qualified. On a
    // tie the lower index stays.
    int chosen() const { return chosen_; }

  private:
    int chosen_ = 0;
    int bestScore_ = 0;
};

// The choice over formats numbered 1, 2, 3 and on.
int choosePixelFormat(const std::vector<PixelFormatFields>& formats);

// What the painting asks the system for when no format qualified; every
// other descriptor field is 0.
constexpr std::uint16_t kFallbackDescriptorSize = 40;
constexpr std::uint16_t kFallbackDescriptorVersion = 1;
constexpr PixelFormatFields kFallbackPixelFormat{
    kPfdDrawToWindow | kPfdSupportOpenGL | kPfdDoubleBuffer, kPfdTypeRgba, 24, 24};
