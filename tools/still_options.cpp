#include "still_options.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "image_file.h"
#include "painting_look.h"

const char* const kStillUsage =
    "usage: velmora-still --width W --height H --frames F --seed N -o FILE [--preset NAME]\n"
    "                     [--draw-mode M] [--lossy-swap] [--one-by-one]\n"
    "  renders F frames of the painting offscreen and writes the last one;\n"
    "  FILE ends in .png, .jpg or .jpeg; NAME is designed, calm-lines, dense-sprites or\n"
    "  quick-trails; M is 0 (light sprites), 1 (points) or 2 (lines);\n"
    "  --lossy-swap fills the buffer with noise after every frame, as a swap that does not\n"
    "  keep the picture may, so that the painting keeps its picture itself;\n"
    "  --one-by-one draws every particle as its own batch, the slower first way\n";

namespace {

// OSMesa draws into buffers of at most this many pixels a side.
constexpr long long kLargestSide = 16384;

bool parseNumber(const std::string& name, const char* text, long long lowest, long long highest,
                 long long& value, std::string& error) {
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno == ERANGE || parsed < lowest || parsed > highest) {
        error = name + " wants a whole number from " + std::to_string(lowest) + " to " +
                std::to_string(highest) + ", not \"" + text + "\"";
        return false;
    }
    value = parsed;
    return true;
}

}  // namespace

bool parseStillOptions(int argc, const char* const* argv, StillOptions& options,
                       std::string& error) {
    bool haveWidth = false, haveHeight = false, haveFrames = false, haveSeed = false;
    bool haveOutput = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--lossy-swap") {
            options.lossySwap = true;
            continue;
        }
        if (name == "--one-by-one") {
            options.oneByOne = true;
            continue;
        }
        if (name != "--width" && name != "--height" && name != "--frames" && name != "--seed" &&
            name != "-o" && name != "--draw-mode" && name != "--preset") {
            error = "unknown argument \"" + name + "\"";
            return false;
        }
        if (i + 1 >= argc) {
            error = name + " needs a value";
            return false;
        }
        const char* value = argv[++i];
        long long number = 0;
        if (name == "-o") {
            options.output = value;
            if (imageFormatFor(options.output) == ImageFormat::Unknown) {
                error = "the output file must end in .png, .jpg or .jpeg, not \"" + options.output +
                        "\"";
                return false;
            }
            haveOutput = true;
        } else if (name == "--seed") {
            if (!parseNumber(name, value, 0, std::numeric_limits<std::uint32_t>::max(), number,
                             error)) {
                return false;
            }
            options.seed = static_cast<std::uint32_t>(number);
            haveSeed = true;
        } else if (name == "--preset") {
            const int preset = presetNamed(value);
            if (preset < 0) {
                error = std::string("no preset named \"") + value + "\"";
                return false;
            }
            options.preset = preset;
        } else if (name == "--draw-mode") {
            if (!parseNumber(name, value, 0, 2, number, error)) {
                return false;
            }
            options.drawMode = static_cast<int>(number);
        } else if (name == "--frames") {
            if (!parseNumber(name, value, 1, std::numeric_limits<int>::max(), number, error)) {
                return false;
            }
            options.frames = static_cast<int>(number);
            haveFrames = true;
        } else {
            if (!parseNumber(name, value, 1, kLargestSide, number, error)) {
                return false;
            }
            if (name == "--width") {
                options.width = static_cast<int>(number);
                haveWidth = true;
            } else {
                options.height = static_cast<int>(number);
                haveHeight = true;
            }
        }
    }
    const char* missing = !haveWidth    ? "--width"
                          : !haveHeight ? "--height"
                          : !haveFrames ? "--frames"
                          : !haveSeed   ? "--seed"
                          : !haveOutput ? "-o"
                                        : nullptr;
    if (missing != nullptr) {
        error = std::string(missing) + " is missing";
        return false;
    }
    return true;
}
