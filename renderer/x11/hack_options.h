#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "painting_look.h"

// Where the hack draws, by XScreenSaver's conventions for hacks.
enum class DrawTarget {
    OwnWindow,    // a window of its own, 1280x720 or the whole screen
    GivenWindow,  // another program's window, by its id
    RootWindow,   // the screen's root window
};

// The look the switches choose: -preset NAME (or random, a preset drawn for
// the run), and a switch for each setting that replaces what the preset, or
// the designed look, has. XScreenSaver passes only the switches of the
// settings that differ from their defaults, so a preset and the sliders that
// were moved combine.
struct HackLook {
    std::optional<int> preset;  // into kPresets
    bool randomPreset = false;
    std::array<std::optional<int>, kLookSettingCount> given{};
};

struct HackOptions {
    DrawTarget target = DrawTarget::OwnWindow;
    unsigned long windowId = 0;  // for GivenWindow
    bool fullscreen = false;
    bool showFps = false;
    // The wait between frames that -delay asks for, in microseconds; without
    // it the painting keeps its own pace.
    std::optional<unsigned long> delayMicroseconds;
    HackLook look;
    bool help = false;
};

// Reads the command line (argv[0] is the program) and the value of
// XSCREENSAVER_WINDOW (null or empty when unset). Every switch may also be spelled
// with two dashes, as XScreenSaver's own command lines do. `-window-id`
// wins over XSCREENSAVER_WINDOW, which wins over `-root`: XScreenSaver
// starts its hacks with `-root` and names its own window in the environment.
// On a bad argument returns false and says why in `error`.
bool parseHackOptions(int argc, const char* const* argv, const char* saverWindow,
                      HackOptions& options, std::string& error);

// A window id as X prints them: decimal, or hexadecimal after 0x. None (0)
// is no window, and X's ids have 32 bits even where a long has 64.
bool parseWindowId(const std::string& text, unsigned long& id);

// The longest -delay taken: XScreenSaver's slider reaches a tenth of a
// second; ten seconds is already a still picture.
constexpr unsigned long kLongestDelayMicroseconds = 10000000;

// The time from the start of one frame to the start of the next that the
// options ask for: -delay, or the painting's own pace; 0 never waits.
double frameStepSeconds(const HackOptions& options);

// The look the options choose, a random preset drawn from `seed`.
PaintingLook lookOfOptions(const HackOptions& options, std::uint32_t seed);

// The switch of a setting: "-draw-mode", "-amount", "-size", "-speed",
// "-trail", "-flows".
const char* switchOf(LookSetting setting);

extern const char* const kHackUsage;
