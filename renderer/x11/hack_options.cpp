#include "hack_options.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "frame_pace.h"
#include "painting_keys.h"

const char* const kHackUsage =
    "usage: velmora [-window-id ID | -root] [-fullscreen] [-fps] [-delay USEC] [-preset NAME]\n"
    "               [-draw-mode M] [-amount PCT] [-size PCT] [-speed PCT] [-trail N]\n"
    "               [-flows N] [-h | --help]\n"
    "  -window-id ID  draw into the window ID (decimal or 0x hex); XSCREENSAVER_WINDOW\n"
    "                 in the environment names a window the same way\n"
    "  -root          draw on the root window\n"
    "                 (otherwise: a window of its own, 1280x720)\n"
    "  -fullscreen    make that window cover the screen\n"
    "  -fps           show the frames per second in the lower left corner, and print\n"
    "                 them to standard error once a second\n"
    "  -delay USEC    start the frames USEC microseconds apart; 0 draws as fast as the\n"
    "                 display allows (default: the painting's pace, 60 frames a second)\n"
    "the look (the default is the designed one; a setting replaces the preset's):\n"
    "  -preset NAME   designed, calm-lines, dense-sprites, quick-trails, or random (a\n"
    "                 preset drawn at every start)\n"
    "  -draw-mode M   sprites (light sprites), points or lines (default points)\n"
    "  -amount PCT    emitters and particles, 10 to 200 per cent (default 100)\n"
    "  -size PCT      size of the sprites, points or lines, 20 to 300 per cent (100)\n"
    "  -speed PCT     speed of the emitters and particles, 25 to 300 per cent (100)\n"
    "  -trail N       length of the fading trails, 0 (none) to 100 (default 20)\n"
    "  -flows N       number of flows, 1 to 6 (default 3)\n"
    "  -h, --help     print this help\n"
    "q, Escape or the close button end the program in its own window; SIGTERM and\n"
    "SIGINT end it anywhere.\n";

bool parseWindowId(const std::string& text, unsigned long& id) {
    int base = 10;
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits = digits.substr(2);
    }
    // strtoul would take a sign, blanks and, with base 0, octal.
    if (digits.empty()) {
        return false;
    }
    for (char c : digits) {
        const bool decimal = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!decimal && !(base == 16 && hex)) {
            return false;
        }
    }
    errno = 0;
    const unsigned long value = std::strtoul(digits.c_str(), nullptr, base);
    if (errno == ERANGE || value == 0 || value > 0xffffffffUL) {
        return false;
    }
    id = value;
    return true;
}

namespace {

// Plain decimal digits: no sign, blank or exponent.
bool parseDelay(const std::string& text, unsigned long& microseconds) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    const unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
    if (value > kLongestDelayMicroseconds) {
        return false;
    }
    microseconds = value;
    return true;
}

constexpr const char* kDrawModeNames[] = {"sprites", "points", "lines"};

// The setting whose switch this is.
std::optional<LookSetting> lookSwitch(const std::string& name) {
    for (const LookSetting setting : kLookSettings) {
        if (name == switchOf(setting)) {
            return setting;
        }
    }
    return std::nullopt;
}

bool parseLookValue(LookSetting setting, const std::string& name, const std::string& text,
                    int& value, std::string& error) {
    if (setting == LookSetting::kDrawMode) {
        for (int mode = kDrawSprites; mode <= kDrawLines; ++mode) {
            if (text == kDrawModeNames[mode]) {
                value = mode;
                return true;
            }
        }
        error = name + " wants sprites, points or lines, not '" + text + "'";
        return false;
    }
    const std::optional<int> number = parseWholeNumber(text);
    const LookRange& range = rangeOf(setting);
    if (!number || !inRange(setting, *number) || text.find(' ') != std::string::npos) {
        error = name + " wants a whole number from " + std::to_string(range.lowest) + " to " +
                std::to_string(range.highest) + ", not '" + text + "'";
        return false;
    }
    value = *number;
    return true;
}

}  // namespace

const char* switchOf(LookSetting setting) {
    switch (setting) {
        case LookSetting::kDrawMode:
            return "-draw-mode";
        case LookSetting::kAmount:
            return "-amount";
        case LookSetting::kSize:
            return "-size";
        case LookSetting::kSpeed:
            return "-speed";
        case LookSetting::kTrail:
            return "-trail";
        case LookSetting::kFlows:
            break;
    }
    return "-flows";
}

PaintingLook lookOfOptions(const HackOptions& options, std::uint32_t seed) {
    PaintingChoice base;
    if (options.look.preset) {
        base.look = kPresets[static_cast<std::size_t>(*options.look.preset)].look;
    }
    base.randomPreset = options.look.randomPreset;
    PaintingLook look = lookForRun(base, seed);
    for (const LookSetting setting : kLookSettings) {
        if (const auto& given = options.look.given[static_cast<std::size_t>(setting)]) {
            look[setting] = *given;
        }
    }
    return look;
}

bool parseHackOptions(int argc, const char* const* argv, const char* saverWindow,
                      HackOptions& options, std::string& error) {
    options = HackOptions{};
    std::optional<unsigned long> givenWindow;
    bool root = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        // "--root" and "-root" are the same switch.
        const std::string name =
            arg.size() > 2 && arg[0] == '-' && arg[1] == '-' ? arg.substr(1) : arg;
        if (name == "-h" || name == "-help") {
            options.help = true;
        } else if (name == "-root") {
            root = true;
        } else if (name == "-fullscreen") {
            options.fullscreen = true;
        } else if (name == "-fps") {
            options.showFps = true;
        } else if (name == "-delay") {
            if (i + 1 >= argc) {
                error = arg + " needs a number of microseconds";
                return false;
            }
            unsigned long delay = 0;
            if (!parseDelay(argv[++i], delay)) {
                error = "not a delay from 0 to " + std::to_string(kLongestDelayMicroseconds) +
                        " microseconds: '" + std::string(argv[i]) + "'";
                return false;
            }
            options.delayMicroseconds = delay;
        } else if (name == "-preset") {
            if (i + 1 >= argc) {
                error = arg + " needs a preset's name";
                return false;
            }
            const std::string preset = argv[++i];
            const int index = presetNamed(preset.c_str());
            if (preset == "random") {
                options.look.randomPreset = true;
                options.look.preset.reset();
            } else if (index >= 0) {
                options.look.preset = index;
                options.look.randomPreset = false;
            } else {
                error = "no preset named '" + preset + "'";
                return false;
            }
        } else if (const std::optional<LookSetting> setting = lookSwitch(name)) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            int value = 0;
            if (!parseLookValue(*setting, arg, argv[++i], value, error)) {
                return false;
            }
            options.look.given[static_cast<std::size_t>(*setting)] = value;
        } else if (name == "-window-id") {
            if (i + 1 >= argc) {
                error = arg + " needs a window id";
                return false;
            }
            unsigned long id = 0;
            if (!parseWindowId(argv[++i], id)) {
                error = "not a window id: '" + std::string(argv[i]) + "'";
                return false;
            }
            givenWindow = id;
        } else {
            error = "unknown option '" + arg + "'";
            return false;
        }
    }
    if (!givenWindow && saverWindow != nullptr && *saverWindow != '\0') {
        unsigned long id = 0;
        if (!parseWindowId(saverWindow, id)) {
            error = "XSCREENSAVER_WINDOW is not a window id: '" + std::string(saverWindow) + "'";
            return false;
        }
        givenWindow = id;
    }
    if (givenWindow) {
        options.target = DrawTarget::GivenWindow;
        options.windowId = *givenWindow;
    } else if (root) {
        options.target = DrawTarget::RootWindow;
    }
    return true;
}

double frameStepSeconds(const HackOptions& options) {
    if (!options.delayMicroseconds) {
        return kPaintingStepSeconds;
    }
    return static_cast<double>(*options.delayMicroseconds) / 1e6;
}
