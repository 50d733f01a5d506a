#include "scaled_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How much of each of `from` source pixels falls into each of `to` pixels;
// the shares of one target pixel add up to 1.
std::vector<std::vector<double>> Shares(int from, int to) {
    std::vector<std::vector<double>> shares(static_cast<std::size_t>(to),
                                            std::vector<double>(static_cast<std::size_t>(from)));
    const double step = static_cast<double>(from) / to;
    for (int target = 0; target < to; ++target) {
        const double start = target * step;
        const double end = start + step;
        for (int source = static_cast<int>(start); source < from && source < end; ++source) {
            const double covered =
                std::min<double>(end, source + 1) - std::max<double>(start, source);
            shares[static_cast<std::size_t>(target)][static_cast<std::size_t>(source)] =
                covered / step;
        }
    }
    return shares;
}

}  // namespace

RgbImage ScaledPicture(const RgbImage& picture, int width, int height) {
    if (picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0) {
        return RgbImage();
    }
    const auto across = Shares(picture.width, width);
    const auto down = Shares(picture.height, height);
    RgbImage scaled(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double sum[3] = {0, 0, 0};
            for (int sy = 0; sy < picture.height; ++sy) {
                const double rowShare =
                    down[static_cast<std::size_t>(y)][static_cast<std::size_t>(sy)];
                if (rowShare == 0) {
                    continue;
                }
                for (int sx = 0; sx < picture.width; ++sx) {
                    const double share =
                        rowShare *
                        across[static_cast<std::size_t>(x)][static_cast<std::size_t>(sx)];
                    if (share == 0) {
                        continue;
                    }
                    const std::uint8_t* p = picture.pixel(sx, sy);
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += share * p[c];
                    }
                }
            }
            std::uint8_t* out = scaled.pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                out[c] = static_cast<std::uint8_t>(std::clamp(std::lround(sum[c]), 0L, 255L));
            }
        }
    }
    return scaled;
}
