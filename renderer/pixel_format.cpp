#include "pixel_format.h"

namespace {

constexpr std::uint32_t kRequiredFlags = kPfdSupportOpenGL | kPfdDrawToWindow | kPfdDoubleBuffer;
constexpr int kDriverFormatBonus = 2000;
constexpr int kAcceleratedGenericBonus = 1000;

}  // namespace

bool pixelFormatQualifies(const PixelFormatFields& format) {
    return (format.dwFlags & kRequiredFlags) == kRequiredFlags && format.iPixelType == kPfdTypeRgba;
}

int pixelFormatScore(const PixelFormatFields& format) {
    const int colourBits = format.cColorBits;
    int score = colourBits + 2 * format.cDepthBits;
    if (colourBits > 16) {
        score += (16 - colourBits) / 2;
    }
    if ((format.dwFlags & kPfdGenericFormat) == 0) {
        score += kDriverFormatBonus;
    } else if ((format.dwFlags & kPfdGenericAccelerated) != 0) {
        score += kAcceleratedGenericBonus;
    }
    return score;
}

bool swapKeepsPicture(const PixelFormatFields& format, int swapMethod) {
    return (format.dwFlags & kPfdDoubleBuffer) == 0 || (format.dwFlags & kPfdSwapCopy) != 0 ||
           swapMethod == kWglSwapCopyArb;
}

void PixelFormatChoice::consider(int index, const PixelFormatFields& format, int swapMethod) {
    if (!pixelFormatQualifies(format)) {
        return;
    }
    const int score = pixelFormatScore(format);
    const bool keeps = swapKeepsPicture(format, swapMethod);
    if (score > bestScore_ || (chosen_ != 0 && score == bestScore_ && keeps && !chosenKeeps_)) {
        bestScore_ = score;
        chosen_ = index;
        chosenKeeps_ = keeps;
    }
}

int choosePixelFormat(const std::vector<PixelFormatFields>& formats,
                      const std::vector<int>& swapMethods) {
    PixelFormatChoice choice;
    for (std::size_t i = 0; i < formats.size(); ++i) {
        choice.consider(static_cast<int>(i) + 1, formats[i],
                        i < swapMethods.size() ? swapMethods[i] : 0);
    }
    return choice.chosen();
}
