#include "picture_tiles.h"

namespace {

// Every OpenGL 1.1 implementation takes textures of this size.
constexpr int kSmallestLargestSide = 64;

int powerOfTwoAtLeast(int length) {
    int side = 1;
    while (side < length) {
        side *= 2;
    }
    return side;
}

int powerOfTwoAtMost(int length) {
    int side = 1;
    while (side * 2 <= length) {
        side *= 2;
    }
    return side;
}

struct Piece {
    int start;
    int length;
    int side;
};

// Cuts one axis into pieces, each held by a power-of-two side no larger than
// largestSide.
std::vector<Piece> pieces(int length, int largestSide) {
    std::vector<Piece> cut;
    int start = 0;
    while (start < length) {
        const int remaining = length - start;
        int side = powerOfTwoAtLeast(remaining);
        if (side > largestSide) {
            side = largestSide;
        } else if (side - remaining > side / 4) {
            // Rounding up would leave too much of the texture unused: half
            // that side is filled completely, and the rest gets a piece of
            // its own.
            side /= 2;
        }
        const int held = remaining < side ? remaining : side;
        cut.push_back(Piece{start, held, side});
        start += held;
    }
    return cut;
}

}  // namespace

std::vector<PictureTile> pictureTiles(int width, int height, int largestSide) {
    std::vector<PictureTile> tiles;
    if (width <= 0 || height <= 0) {
        return tiles;
    }
    const int side =
        powerOfTwoAtMost(largestSide > kSmallestLargestSide ? largestSide : kSmallestLargestSide);
    const std::vector<Piece> columns = pieces(width, side);
    const std::vector<Piece> rows = pieces(height, side);
    tiles.reserve(columns.size() * rows.size());
    for (const Piece& row : rows) {
        for (const Piece& column : columns) {
            tiles.push_back(PictureTile{column.start, row.start, column.length, row.length,
                                        column.side, row.side});
        }
    }
    return tiles;
}
