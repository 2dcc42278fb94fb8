// The window over every monitor and each monitor's viewport: a one-monitor desk keeps the
// one-screen window exactly; mirrored and empty monitors add no picture; GL's y runs upward.
#include <gtest/gtest.h>

#include <ostream>

#include "renderer/monitor_layout.h"

namespace renderer {

void PrintTo(const ScreenRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
void PrintTo(const GlViewport& v, std::ostream* os) {
    *os << v.width << "x" << v.height << "+" << v.x << "+" << v.y;
}

}  // namespace renderer

namespace {

using renderer::GlViewport;
using renderer::ScreenRect;

// The one-screen window on a 1280 x 1024 desk: maximised width, maximised height + caption.
constexpr int32_t kSingleWidth = 1288;
constexpr int32_t kSingleHeight = 1081;

struct LayoutCase {
    const char* name;
    std::vector<ScreenRect> monitors;
    ScreenRect window;
    std::vector<GlViewport> viewports;
};

class MonitorLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(MonitorLayout, WindowAndViewports) {
    const LayoutCase& c = GetParam();
    const renderer::WindowLayout layout = renderer::LayOutWindow({c.monitors, kSingleWidth, kSingleHeight});
    EXPECT_EQ(layout.window, c.window);
    EXPECT_EQ(layout.viewports, c.viewports);
    EXPECT_EQ(layout.isTopmost, c.viewports.size() > 1) << "on top exactly while it spans monitors";
}

const ScreenRect kPrimary{0, 0, 1920, 1080};
const ScreenRect kOneScreenWindow{0, 0, kSingleWidth, kSingleHeight};
const GlViewport kWholeOneScreenWindow{0, 0, kSingleWidth, kSingleHeight};

INSTANTIATE_TEST_SUITE_P(Desks, MonitorLayout, testing::Values(
    LayoutCase{"OneMonitorKeepsTheOneScreenWindow", {{0, 0, 1280, 1024}}, kOneScreenWindow, {kWholeOneScreenWindow}},
    LayoutCase{"NoMonitorReportedKeepsTheOneScreenWindow", {}, kOneScreenWindow, {kWholeOneScreenWindow}},
    LayoutCase{"MirroredCopyIsOneMonitor", {kPrimary, kPrimary}, kOneScreenWindow, {kWholeOneScreenWindow}},
    LayoutCase{"EmptyMonitorIsNone", {{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}, {1280, 0, 2080, -1}},
               kOneScreenWindow, {kWholeOneScreenWindow}},
    // The shorter monitor's viewport starts 56 rows up from the window's bottom.
    LayoutCase{"SideBySideOfDifferentHeights", {kPrimary, {1920, 0, 3200, 1024}},
               {0, 0, 3200, 1080}, {{0, 0, 1920, 1080}, {1920, 56, 1280, 1024}}},
    LayoutCase{"LeftOfAndAboveThePrimary", {kPrimary, {-1280, -300, 0, 724}},
               {-1280, -300, 1920, 1080}, {{1280, 0, 1920, 1080}, {0, 356, 1280, 1024}}},
    LayoutCase{"ThreeInARow", {kPrimary, {-1920, 0, 0, 1080}, {1920, 0, 3840, 1080}},
               {-1920, 0, 3840, 1080}, {{1920, 0, 1920, 1080}, {0, 0, 1920, 1080}, {3840, 0, 1920, 1080}}},
    LayoutCase{"PortraitBesideALandscape", {{0, 0, 2560, 1440}, {2560, -480, 3640, 1440}},
               {0, -480, 3640, 1440}, {{0, 0, 2560, 1440}, {2560, 0, 1080, 1920}}},
    LayoutCase{"PortraitAboveALandscape", {{0, 0, 2560, 1440}, {0, -1920, 1080, 0}},
               {0, -1920, 2560, 1440}, {{0, 0, 2560, 1440}, {0, 1440, 1080, 1920}}},
    LayoutCase{"MirroredPairBesideAThird", {kPrimary, {1920, 0, 3840, 1080}, kPrimary},
               {0, 0, 3840, 1080}, {{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

struct OverlapCase {
    const char* name;
    GlViewport a, b;
    bool overlap;
};

class ViewportOverlap : public testing::TestWithParam<OverlapCase> {};

TEST_P(ViewportOverlap, OnlyWhenAPixelIsShared) {
    const OverlapCase& c = GetParam();
    EXPECT_EQ(renderer::ViewportsOverlap(c.a, c.b), c.overlap);
    EXPECT_EQ(renderer::ViewportsOverlap(c.b, c.a), c.overlap);
}

INSTANTIATE_TEST_SUITE_P(Pairs, ViewportOverlap, testing::Values(
    OverlapCase{"SideBySideTouching", {0, 0, 1920, 1080}, {1920, 56, 1280, 1024}, false},
    OverlapCase{"OneAboveTheOtherTouching", {0, 0, 2560, 1440}, {0, 1440, 1080, 1920}, false},
    OverlapCase{"OnePixelShared", {0, 0, 1920, 1080}, {1919, 1079, 800, 600}, true},
    // Two screens of different sizes at the same corner, as a virtual X server can report them.
    OverlapCase{"SmallerInsideLarger", {0, 0, 1280, 1024}, {0, 424, 800, 600}, true},
    OverlapCase{"DiagonalNeighbours", {0, 0, 1920, 1080}, {1920, 1080, 1280, 1024}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The taskbar moved or hid: the work area and with it the one-screen size change, the monitors
// do not, and the window is not laid anew for a pointer that moved.
TEST(SameMonitors, ARunFollowsTheMonitorsNotTheWorkArea) {
    const renderer::Desk desk{{{0, 0, 1280, 1024}}, kSingleWidth, kSingleHeight};
    EXPECT_TRUE(renderer::SameMonitors(desk, {{{0, 0, 1280, 1024}}, kSingleWidth, kSingleHeight - 40}));
    EXPECT_FALSE(renderer::SameMonitors(desk, {{{0, 0, 1920, 1080}}, kSingleWidth, kSingleHeight}));
    EXPECT_FALSE(renderer::SameMonitors(desk, {{{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}}, kSingleWidth, kSingleHeight}));
}

}  // namespace
