#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "monitor_layout.h"

std::ostream& operator<<(std::ostream& out, const ScreenRect& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

const ScreenRect kScreen{0, 0, 1920, 1080};

MonitorArea primary(ScreenRect area) {
    return MonitorArea{area, true};
}

MonitorArea other(ScreenRect area) {
    return MonitorArea{area, false};
}

struct LayoutCase {
    const char* what;
    std::vector<MonitorArea> monitors;
    ScreenRect painting;
    std::vector<ScreenRect> covers;
};

TEST(MonitorLayout, MainMonitorOnlyPaintsThePrimaryAndCoversEveryOtherMonitor) {
    const std::vector<LayoutCase> cases = {
        {"one monitor", {primary({0, 0, 1920, 1080})}, {0, 0, 1920, 1080}, {}},
        {"a second monitor to the right, listed first",
         {other({1920, 0, 3200, 1024}), primary({0, 0, 1920, 1080})},
         {0, 0, 1920, 1080},
         {{1920, 0, 3200, 1024}}},
        {"left of the primary and above it",
         {primary({0, 0, 1920, 1080}), other({-1280, 56, 0, 1080}), other({0, -768, 1024, 0})},
         {0, 0, 1920, 1080},
         {{-1280, 56, 0, 1080}, {0, -768, 1024, 0}}},
        {"a mirrored display needs no cover",
         {primary({0, 0, 1920, 1080}), other({0, 0, 1920, 1080})},
         {0, 0, 1920, 1080},
         {}},
        {"two monitors mirroring each other get one cover",
         {primary({0, 0, 1920, 1080}), other({1920, 0, 3840, 1080}), other({1920, 0, 3840, 1080})},
         {0, 0, 1920, 1080},
         {{1920, 0, 3840, 1080}}},
        {"a smaller clone (two X screens under Xinerama) would hide part of the painting",
         {primary({0, 0, 1280, 1024}), other({0, 0, 640, 480})},
         {0, 0, 1280, 1024},
         {}},
        {"a larger clone, listed first, and one overlapping the painting's corner",
         {other({0, 0, 2560, 1440}), primary({0, 0, 1920, 1080}), other({1900, 1000, 3000, 2000})},
         {0, 0, 1920, 1080},
         {}},
        {"touching the painting's edges is not overlapping it",
         {primary({0, 0, 1920, 1080}), other({-1280, 0, 0, 1024}), other({0, 1080, 1920, 2160})},
         {0, 0, 1920, 1080},
         {{-1280, 0, 0, 1024}, {0, 1080, 1920, 2160}}},
        {"no monitors listed: the screen's size", {}, kScreen, {}},
        {"none marked primary: the screen's size, every monitor but the screen covered",
         {other({0, 0, 1920, 1080}), other({1920, 0, 3000, 900})},
         kScreen,
         {{1920, 0, 3000, 900}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.what);
        const MonitorLayout layout =
            monitorLayout(c.monitors, kScreen, MonitorChoice::kMainMonitorOnly);
        EXPECT_EQ(layout.window, c.painting);
        EXPECT_EQ(layout.paintings, std::vector<ScreenRect>{c.painting});
        EXPECT_EQ(layout.covers, c.covers);
    }
}

struct EveryMonitorCase {
    const char* what;
    std::vector<MonitorArea> monitors;
    ScreenRect window;
    std::vector<ScreenRect> paintings;
};

TEST(MonitorLayout, EveryMonitorGetsAPaintingOfItsOwnInOneWindowOverThemAll) {
    const ScreenRect hd{0, 0, 1920, 1080};
    const std::vector<EveryMonitorCase> cases = {
        {"a smaller monitor to the right, listed first: the primary is painted first",
         {other({1920, 0, 3200, 1024}), primary(hd)},
         {0, 0, 3200, 1080},
         {hd, {1920, 0, 3200, 1024}}},
        {"left of the primary, at negative coordinates and lower down",
         {primary(hd), other({-1280, 56, 0, 1080})},
         {-1280, 0, 1920, 1080},
         {hd, {-1280, 56, 0, 1080}}},
        {"above the primary, and a tall one to its right",
         {primary(hd), other({0, -768, 1024, 0}), other({1920, -840, 3000, 1080})},
         {0, -840, 3000, 1080},
         {hd, {0, -768, 1024, 0}, {1920, -840, 3000, 1080}}},
        {"a smaller clone (two X screens under Xinerama) keeps showing the primary's painting",
         {primary({0, 0, 1280, 1024}), other({0, 0, 640, 480})},
         {0, 0, 1280, 1024},
         {{0, 0, 1280, 1024}}},
        {"a larger clone listed first: the window spans it, the primary is painted",
         {other({0, 0, 2560, 1440}), primary(hd)},
         {0, 0, 2560, 1440},
         {hd}},
        {"a monitor without pixels", {primary(hd), other({1920, 0, 1920, 1080})}, hd, {hd}},
        {"none marked primary: the screen's size first, then every monitor beside it",
         {other({0, 0, 1920, 1080}), other({1920, 0, 3000, 900})},
         {0, 0, 3000, 1080},
         {kScreen, {1920, 0, 3000, 900}}},
    };
    for (const EveryMonitorCase& c : cases) {
        SCOPED_TRACE(c.what);
        const MonitorLayout layout =
            monitorLayout(c.monitors, kScreen, MonitorChoice::kEveryMonitor);
        EXPECT_EQ(layout.window, c.window);
        EXPECT_EQ(layout.paintings, c.paintings);
        EXPECT_TRUE(layout.covers.empty());
        // In the window's client area, whose origin is the window's corner.
        const std::vector<ClientRect> areas = paintingAreas(layout);
        ASSERT_EQ(areas.size(), c.paintings.size());
        for (std::size_t i = 0; i < areas.size(); ++i) {
            EXPECT_EQ(areas[i].left + c.window.left, c.paintings[i].left);
            EXPECT_EQ(areas[i].bottom + c.window.top, c.paintings[i].bottom);
        }
    }
}

struct ChangeCase {
    const char* what;
    std::vector<MonitorArea> before;
    std::vector<MonitorArea> after;
    MonitorChoice choice;
    bool moveWindow;
    bool moveParts;
    bool rebuildCovers;
};

TEST(MonitorLayout, DisplayChangeSaysWhatFollows) {
    const ScreenRect hd{0, 0, 1920, 1080};
    const ScreenRect right{1920, 0, 3200, 1024};
    constexpr MonitorChoice kMain = MonitorChoice::kMainMonitorOnly;
    constexpr MonitorChoice kEvery = MonitorChoice::kEveryMonitor;
    const std::vector<ChangeCase> cases = {
        {"nothing changed",
         {primary(hd), other(right)},
         {primary(hd), other(right)},
         kMain,
         false,
         false,
         false},
        {"the same monitors listed in another order",
         {primary(hd), other(right)},
         {other(right), primary(hd)},
         kEvery,
         false,
         false,
         false},
        {"second monitor unplugged: its painting goes and the window shrinks",
         {primary(hd), other(right)},
         {primary(hd)},
         kEvery,
         true,
         true,
         false},
        {"second monitor plugged in",
         {primary(hd)},
         {primary(hd), other(right)},
         kEvery,
         true,
         true,
         false},
        // A smaller primary pulls the monitor to its right along.
        {"new resolution on the primary, main only",
         {primary(hd), other(right)},
         {primary({0, 0, 1280, 720}), other({1280, 0, 2560, 1024})},
         kMain,
         true,
         true,
         true},
        {"a smaller resolution on the other monitor inside the same span",
         {primary(hd), other(right)},
         {primary(hd), other({1920, 0, 3200, 768})},
         kEvery,
         false,
         true,
         false},
        // The system puts the new primary at the origin and the old one
        // beside it.
        {"the other monitor made primary",
         {primary(hd), other(right)},
         {other({-1920, 0, 0, 1080}), primary({0, 0, 1280, 1024})},
         kEvery,
         true,
         true,
         false},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const LayoutChange change = layoutChange(monitorLayout(c.before, kScreen, c.choice),
                                                 monitorLayout(c.after, kScreen, c.choice));
        EXPECT_EQ(change.moveWindow, c.moveWindow);
        EXPECT_EQ(change.moveParts, c.moveParts);
        EXPECT_EQ(change.rebuildCovers, c.rebuildCovers);
    }
}

}  // namespace
