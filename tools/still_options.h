#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What velmora-still is asked to render.
struct StillOptions {
    int width = 0;
    int height = 0;
    int frames = 0;
    std::uint32_t seed = 0;
    // The look of a preset (index into kPresets), the designed one when
    // absent; a draw mode given besides it replaces the preset's.
    std::optional<int> preset;
    std::optional<int> drawMode;
    // Every swap spoils the buffer, and the painting keeps its picture itself.
    bool lossySwap = false;
    // Every particle as its own batch, as the painting was first drawn.
    bool oneByOne = false;
    std::string output;
};

// Reads `--width W --height H --frames F --seed N -o FILE [--preset NAME]
// [--draw-mode M] [--lossy-swap] [--one-by-one]` (argv[0] is the program). On a bad argument
// returns false and says why in `error`.
bool parseStillOptions(int argc, const char* const* argv, StillOptions& options,
                       std::string& error);

extern const char* const kStillUsage;
