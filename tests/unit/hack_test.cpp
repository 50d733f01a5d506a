// The XScreenSaver hack's decisions that need no X: its command line, its
// frame counter, its choice of a GLX configuration and its trust in the
// back buffer's age.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fps_counter.h"
#include "frame_pace.h"
#include "glx_config_choice.h"
#include "hack_options.h"
#include "hack_view.h"

namespace {

struct OptionsCase {
    std::vector<const char*> args;  // after the program name
    const char* saverWindow;        // XSCREENSAVER_WINDOW, or null
    DrawTarget target;
    unsigned long windowId;
    bool fullscreen;
    bool showFps;
    bool help;
};

TEST(HackOptions, TargetsAndSwitches) {
    const OptionsCase cases[] = {
        {{}, nullptr, DrawTarget::OwnWindow, 0, false, false, false},
        {{"-root"}, nullptr, DrawTarget::RootWindow, 0, false, false, false},
        {{"--root"}, nullptr, DrawTarget::RootWindow, 0, false, false, false},
        {{"-window-id", "4194305"}, nullptr, DrawTarget::GivenWindow, 4194305, false, false, false},
        {{"--window-id", "0x400001"},
         nullptr,
         DrawTarget::GivenWindow,
         0x400001,
         false,
         false,
         false},
        {{"-window-id", "0X1aF"}, nullptr, DrawTarget::GivenWindow, 0x1af, false, false, false},
        // XScreenSaver passes -root and names its own window in the
        // environment: the window wins.
        {{"--root"}, "0x600008", DrawTarget::GivenWindow, 0x600008, false, false, false},
        {{}, "123", DrawTarget::GivenWindow, 123, false, false, false},
        {{"-root"}, "", DrawTarget::RootWindow, 0, false, false, false},
        // An explicit id wins over the environment.
        {{"-window-id", "0x10"}, "0x20", DrawTarget::GivenWindow, 0x10, false, false, false},
        {{"-fullscreen", "-fps"}, nullptr, DrawTarget::OwnWindow, 0, true, true, false},
        {{"--fps", "-root"}, nullptr, DrawTarget::RootWindow, 0, false, true, false},
        {{"-h"}, nullptr, DrawTarget::OwnWindow, 0, false, false, true},
        {{"--help"}, nullptr, DrawTarget::OwnWindow, 0, false, false, true},
    };
    for (const OptionsCase& c : cases) {
        std::vector<const char*> argv{"velmora"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string trace;
        for (const char* a : argv) {
            trace += std::string(a) + " ";
        }
        SCOPED_TRACE(trace + "XSCREENSAVER_WINDOW=" + (c.saverWindow ? c.saverWindow : "(unset)"));
        HackOptions options;
        std::string error;
        ASSERT_TRUE(parseHackOptions(static_cast<int>(argv.size()), argv.data(), c.saverWindow,
                                     options, error))
            << error;
        EXPECT_EQ(options.target, c.target);
        EXPECT_EQ(options.windowId, c.windowId);
        EXPECT_EQ(options.fullscreen, c.fullscreen);
        EXPECT_EQ(options.showFps, c.showFps);
        EXPECT_EQ(options.help, c.help);
    }
}

TEST(HackOptions, BadArgumentsSayWhy) {
    const struct {
        std::vector<const char*> args;
        const char* saverWindow;
        const char* error;
    } cases[] = {
        {{"-bogus"}, nullptr, "unknown option '-bogus'"},
        {{"-root", "extra"}, nullptr, "unknown option 'extra'"},
        {{"-"}, nullptr, "unknown option '-'"},
        {{"-window-id"}, nullptr, "-window-id needs a window id"},
        {{"-window-id", "0"}, nullptr, "not a window id: '0'"},
        {{"-window-id", "0x"}, nullptr, "not a window id: '0x'"},
        {{"-window-id", "12ab"}, nullptr, "not a window id: '12ab'"},
        {{"-window-id", "-5"}, nullptr, "not a window id: '-5'"},
        {{"-window-id", " 5"}, nullptr, "not a window id: ' 5'"},
        {{"-window-id", "0x1ffffffffffffffff"}, nullptr, "not a window id: '0x1ffffffffffffffff'"},
        // X's ids have 32 bits, even where a long has 64.
        {{"-window-id", "0x100000000"}, nullptr, "not a window id: '0x100000000'"},
        {{"-window-id", "4294967296"}, nullptr, "not a window id: '4294967296'"},
        {{"-delay"}, nullptr, "-delay needs a number of microseconds"},
        {{"-delay", "-1"}, nullptr, "not a delay from 0 to 10000000 microseconds: '-1'"},
        {{"-delay", "1e4"}, nullptr, "not a delay from 0 to 10000000 microseconds: '1e4'"},
        {{"-delay", ""}, nullptr, "not a delay from 0 to 10000000 microseconds: ''"},
        {{"--delay", "10000001"},
         nullptr,
         "not a delay from 0 to 10000000 microseconds: '10000001'"},
        {{"-root"}, "window", "XSCREENSAVER_WINDOW is not a window id: 'window'"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"velmora"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.error);
        HackOptions options;
        std::string error;
        EXPECT_FALSE(parseHackOptions(static_cast<int>(argv.size()), argv.data(), c.saverWindow,
                                      options, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(HackOptions, TheLargestWindowIdsAreTaken) {
    unsigned long id = 0;
    EXPECT_TRUE(parseWindowId("0xffffffff", id));
    EXPECT_EQ(id, 0xffffffffUL);
    EXPECT_TRUE(parseWindowId("4294967295", id));
    EXPECT_EQ(id, 0xffffffffUL);
}

TEST(HackOptions, DelaySetsTheStepBetweenFramesAndItsAbsenceThePaintingsPace) {
    const struct {
        std::vector<const char*> args;
        double step;
    } cases[] = {
        {{}, kPaintingStepSeconds},
        {{"-delay", "50000"}, 0.05},
        {{"--delay", "0"}, 0.0},
        {{"-delay", "10000000", "-root"}, 10.0},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"velmora"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        HackOptions options;
        std::string error;
        ASSERT_TRUE(
            parseHackOptions(static_cast<int>(argv.size()), argv.data(), nullptr, options, error))
            << error;
        EXPECT_DOUBLE_EQ(frameStepSeconds(options), c.step) << argv.size();
    }
}

TEST(FpsCounter, AnswersOnceASecondOverTheFramesSinceTheLastAnswer) {
    FpsCounter fps;
    // The first frame only starts the clock.
    EXPECT_FALSE(fps.frameShown(100.0));
    for (int frame = 1; frame < 30; ++frame) {
        EXPECT_FALSE(fps.frameShown(100.0 + frame / 30.0)) << frame;
    }
    const auto first = fps.frameShown(101.0);
    ASSERT_TRUE(first);
    EXPECT_DOUBLE_EQ(*first, 30.0);
    // A slow second: 10 frames over 1.25 s.
    for (int frame = 1; frame < 10; ++frame) {
        EXPECT_FALSE(fps.frameShown(101.0 + frame * 0.1));
    }
    const auto second = fps.frameShown(102.25);
    ASSERT_TRUE(second);
    EXPECT_DOUBLE_EQ(*second, 8.0);
}

GlxConfigFields config(bool doubleBuffered, bool swapCopies, int samples = 0, int colourBits = 24,
                       int ancillaryBits = 0) {
    return {true, false, doubleBuffered, swapCopies, samples, colourBits, ancillaryBits};
}

GlxConfigFields slow(GlxConfigFields fields) {
    fields.slow = true;
    return fields;
}

TEST(GlxConfigChoice, PrefersDoubleBufferingThenAKeptPictureThenPlainBuffers) {
    GlxConfigFields unusable = config(true, true);
    unusable.rgbaWindow = false;
    const struct {
        const char* what;
        std::vector<GlxConfigFields> configs;
        int chosen;
    } cases[] = {
        {"none", {}, -1},
        {"nothing usable", {unusable}, -1},
        {"usable over better but unusable", {unusable, config(false, false)}, 1},
        {"double buffering over a single buffer", {config(false, false), config(true, false)}, 1},
        {"a copying swap over an undefined one",
         {config(true, false), config(true, true, 0, 24, 32)},
         1},
        {"no multisampling", {config(true, true, 4), config(true, true, 0)}, 1},
        {"more colour", {config(true, true, 0, 15), config(true, true, 0, 24)}, 1},
        {"no depth buffer", {config(true, true, 0, 24, 24), config(true, true, 0, 24, 0)}, 1},
        {"the first of equals", {config(true, true), config(true, true)}, 0},
        // A configuration the driver calls slow loses to anything usable.
        {"a single buffer over a slow double buffer",
         {slow(config(true, true)), config(false, false, 4, 15, 32)},
         1},
        {"the better of two slow ones", {slow(config(true, false)), slow(config(true, true))}, 1},
        {"slow and unusable", {slow(config(true, true)), unusable}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(chooseGlxConfig(c.configs), c.chosen);
    }
}

TEST(GlxConfigChoice, OnlyASingleBufferOrACopyingSwapKeepsThePicture) {
    EXPECT_TRUE(swapKeepsPicture(config(false, false)));
    EXPECT_TRUE(swapKeepsPicture(config(true, true)));
    EXPECT_FALSE(swapKeepsPicture(config(true, false)));
}

TEST(BufferAgeWatch, TrustsTheSwapUntilTheFirstAgeOtherThanOne) {
    const struct {
        const char* what;
        std::vector<int> ages;
        int endsAt;  // index of the swap that ends the trust, or -1
    } cases[] = {
        {"age 1 throughout", {1, 1, 1, 1}, -1},
        {"unknown content after the first swap", {0, 1, 1}, 0},
        {"a flip after a while", {1, 1, 2, 1, 1}, 2},
        {"only the first other age counts", {1, 3, 0, 2}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BufferAgeWatch watch;
        EXPECT_TRUE(watch.keepsPicture());
        for (std::size_t i = 0; i < c.ages.size(); ++i) {
            const bool ended = watch.swapShown(c.ages[i]);
            EXPECT_EQ(ended, static_cast<int>(i) == c.endsAt) << "swap " << i;
            EXPECT_EQ(watch.keepsPicture(), c.endsAt < 0 || static_cast<int>(i) < c.endsAt)
                << "swap " << i;
        }
    }
}

TEST(GlxExtensions, MatchWholeNamesOnly) {
    const char* list = "GLX_EXT_swap_control_tear GLX_MESA_swap_control GLX_OML_swap_method";
    EXPECT_FALSE(hasGlxExtension(list, "GLX_EXT_swap_control"));
    EXPECT_TRUE(hasGlxExtension(list, "GLX_MESA_swap_control"));
    EXPECT_TRUE(hasGlxExtension(list, "GLX_OML_swap_method"));
    EXPECT_FALSE(hasGlxExtension(list, "GLX_OML_swap"));
    EXPECT_FALSE(hasGlxExtension(list, "MESA_swap_control"));
    EXPECT_TRUE(
        hasGlxExtension("GLX_EXT_swap_control_tear GLX_EXT_swap_control", "GLX_EXT_swap_control"));
    EXPECT_FALSE(hasGlxExtension(nullptr, "GLX_EXT_swap_control"));
    EXPECT_FALSE(hasGlxExtension("", "GLX_EXT_swap_control"));
}

struct ViewCase {
    const char* what;
    bool root;
    ScreenRect window;
    std::vector<ScreenRect> heads;
    std::vector<ClientRect> parts;
    float sizeScale;
    std::size_t headIndex;
};

TEST(HackView, TheRootPaintsEveryHeadAndAWindowIsAMiniatureOfItsHead) {
    const ScreenRect screen{0, 0, 2944, 1440};
    const ScreenRect hd{0, 0, 1920, 1080};
    const ScreenRect tall{1920, 0, 2944, 1440};
    const std::vector<ViewCase> cases = {
        {"the root over two heads",
         true,
         screen,
         {hd, tall},
         {{0, 0, 1920, 1080}, {1920, 0, 2944, 1440}},
         0.0f,
         0},
        {"the root with a head that clones part of the first",
         true,
         screen,
         {hd, {0, 0, 1280, 720}},
         {{0, 0, 1920, 1080}},
         0.0f,
         0},
        {"XScreenSaver's window over the second head",
         false,
         tall,
         {hd, tall},
         {{0, 0, 1024, 1440}},
         1440.0f / 1080.0f,
         1},
        {"the settings pane's preview on a 1080-line head",
         false,
         {600, 300, 1325, 707},
         {hd, tall},
         {{0, 0, 725, 407}},
         407.0f / 1080.0f,
         0},
        {"a window on no head",
         false,
         {3000, 0, 3100, 100},
         {hd, tall},
         {{0, 0, 100, 100}},
         100.0f / 1080.0f,
         0},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.what);
        const HackView view = hackView(c.root, c.window, c.heads, screen);
        ASSERT_EQ(view.parts.size(), c.parts.size());
        for (std::size_t i = 0; i < c.parts.size(); ++i) {
            EXPECT_EQ(view.parts[i].left, c.parts[i].left) << i;
            EXPECT_EQ(view.parts[i].top, c.parts[i].top) << i;
            EXPECT_EQ(view.parts[i].right, c.parts[i].right) << i;
            EXPECT_EQ(view.parts[i].bottom, c.parts[i].bottom) << i;
        }
        EXPECT_FLOAT_EQ(view.sizeScale, c.sizeScale);
        EXPECT_EQ(view.headIndex, c.headIndex);
    }
}

}  // namespace
