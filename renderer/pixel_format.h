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

// What WGL_ARB_pixel_format answers for WGL_SWAP_METHOD_ARB; 0 stands for a
// driver that was not asked or does not say.
constexpr int kWglSwapMethodArb = 0x2007;
constexpr int kWglSwapExchangeArb = 0x2028;
constexpr int kWglSwapCopyArb = 0x2029;
constexpr int kWglSwapUndefinedArb = 0x202A;

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
// Only a format that promises to copy at the swap says so, by its descriptor
// (PFD_SWAP_COPY) or by the driver's swap method (WGL_SWAP_COPY_ARB); one
// that exchanges the buffers, or promises neither, may leave an older picture
// or none. A single-buffered format has nothing to swap and always keeps it.
bool swapKeepsPicture(const PixelFormatFields& format, int swapMethod = 0);

// Walks the formats in the order the device context numbers them, from 1.
class PixelFormatChoice {
  public:
    // swapMethod: what the driver says of the format's swap, 0 if nothing.
    void consider(int index, const PixelFormatFields& format, int swapMethod = 0);

    // 1-based index of the best format so far, 0 when none qualified. Among
    // formats of the same score the first whose swap keeps the picture wins,
    // else the first: the painting then need not keep the picture itself.
    int chosen() const { return chosen_; }
    bool chosenKeepsPicture() const { return chosenKeeps_; }

  private:
    int chosen_ = 0;
    int bestScore_ = 0;
    bool chosenKeeps_ = false;
};

// The choice over formats numbered 1, 2, 3 and on, with the driver's swap
// methods for them where it gave any (a shorter list leaves the rest 0).
int choosePixelFormat(const std::vector<PixelFormatFields>& formats,
                      const std::vector<int>& swapMethods = {});

// What the painting asks the system for when no format qualified; every
// other descriptor field is 0.
constexpr std::uint16_t kFallbackDescriptorSize = 40;
constexpr std::uint16_t kFallbackDescriptorVersion = 1;
constexpr PixelFormatFields kFallbackPixelFormat{
    kPfdDrawToWindow | kPfdSupportOpenGL | kPfdDoubleBuffer, kPfdTypeRgba, 24, 24};
