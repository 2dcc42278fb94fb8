// The real renderer on a desk of two monitors (Wine on Xorg's dummy driver, two RandR outputs;
// see tools/wine_env.sh): one topmost window over both, the same flight on each with its own
// aspect ratio, a change of the monitors followed in flight, the pointer ending the run on a
// monitor at negative coordinates. The primary stays 1280 x 1024 at (0, 0); each test places
// the second.
#include <algorithm>
#include <cmath>
#include <vector>

#include "renderer/tests/renderer_e2e.h"

// Global, where lookup from std::count finds it for the global RECT.
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

namespace {

using namespace renderer_e2e;

constexpr char kSecondMonitor[] = "\\\\.\\DISPLAY2";
constexpr DWORD kDisplayChangeTimeoutMs = 30000;

struct Placement {  // the second monitor's mode and where its top-left corner lies
    int width, height, x, y;
    RECT Rect() const { return {x, y, x + width, y + height}; }
};

BOOL CALLBACK AddMonitorRect(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(found)->push_back(info.rcMonitor);
    return TRUE;
}

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitorRect, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Gives the second monitor a mode and a place, as the display settings do, and waits until
// the system reports both monitors so.
bool PlaceSecondMonitor(const Placement& p) {
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsA(kSecondMonitor, ENUM_CURRENT_SETTINGS, &mode)) return false;
    mode.dmPelsWidth = p.width;
    mode.dmPelsHeight = p.height;
    mode.dmPosition = {p.x, p.y};
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_POSITION;
    if (ChangeDisplaySettingsExA(kSecondMonitor, &mode, nullptr, CDS_UPDATEREGISTRY | CDS_NORESET, nullptr) !=
        DISP_CHANGE_SUCCESSFUL) {
        return false;
    }
    if (ChangeDisplaySettingsExA(nullptr, nullptr, nullptr, 0, nullptr) != DISP_CHANGE_SUCCESSFUL) return false;
    const RECT primary{0, 0, 1280, 1024};
    return wintest::PumpUntil(
        [&] {
            const std::vector<RECT> rects = MonitorRects();
            return rects.size() == 2 && std::count(rects.begin(), rects.end(), primary) == 1 &&
                   std::count(rects.begin(), rects.end(), p.Rect()) == 1;
        },
        kDisplayChangeTimeoutMs);
}

double Luminance(uint32_t rgb) {
    return 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
}

// What one monitor shows, sampled at the same directions of view whatever its size: a grid
// over the middle of the picture, its width that of the narrower monitor's view. A monitor
// that shows the flight centred with its own aspect ratio gives the same samples as another.
std::vector<double> ViewSamples(const wintest::Screenshot& shot, const RECT& virtualScreen, const RECT& monitor,
                                double narrowestAspect) {
    constexpr int kGrid = 40;
    const int width = monitor.right - monitor.left;
    const int height = monitor.bottom - monitor.top;
    const int radius = std::max(1, height / 256);  // a small box, against single texels
    std::vector<double> samples;
    for (int row = 0; row < kGrid; ++row) {
        for (int column = 0; column < kGrid; ++column) {
            const double u = -0.9 + 1.8 * column / (kGrid - 1);  // -0.9 .. 0.9 of the half-extents
            const double v = -0.9 + 1.8 * row / (kGrid - 1);
            const int cx = monitor.left - virtualScreen.left + int(width / 2.0 + u * narrowestAspect * height / 2.0);
            const int cy = monitor.top - virtualScreen.top + int(height / 2.0 + v * height / 2.0);
            double sum = 0;
            int count = 0;
            for (int y = cy - radius; y <= cy + radius; ++y) {
                for (int x = cx - radius; x <= cx + radius; ++x) {
                    sum += Luminance(shot.Pixel(x, y));
                    ++count;
                }
            }
            samples.push_back(sum / count);
        }
    }
    return samples;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const size_t n = a.size();
    double meanA = 0, meanB = 0;
    for (size_t i = 0; i < n; ++i) {
        meanA += a[i] / n;
        meanB += b[i] / n;
    }
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < n; ++i) {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;  // a monitor showing nothing matches none
}

class RendererOnTwoMonitors : public testing::Test {
  protected:
    // Places the second monitor and the pointer, then starts the renderer and waits for its
    // flight.
    void Fly(const Placement& second, POINT pointer) {
        ExpectNoRendererLeft();
        ASSERT_EQ(MonitorRects().size(), 2u) << "not the world of two monitors (tools/wine_env.sh, VQ_MONITORS)";
        ASSERT_TRUE(PlaceSecondMonitor(second)) << "the second monitor could not be placed";
        const std::string cloud = CloudBytes();
        ASSERT_EQ(cloud.size(), 49206u) << "assets/cloud.bmp not found under VQ_SOURCE_DIR";
        ASSERT_TRUE(PutTexture(cloud));
        ASSERT_TRUE(SetCursorPos(pointer.x, pointer.y));
        renderer_ = StartRenderer();
        ASSERT_TRUE(renderer_.has_value());
        window_ = WaitForFlyingWindow(*renderer_);
        ASSERT_NE(window_, nullptr) << "no visible \"Cirrovance_Tunnel\" window of the renderer";
    }

    // Both monitors show the same moment of the flight, centred in their own proportions; a
    // blank monitor, or one picture drawn across both, would not.
    void ExpectTheFlightOnEachMonitor(const char* shotName) {
        const std::vector<RECT> monitors = MonitorRects();
        ASSERT_EQ(monitors.size(), 2u);
        double narrowestAspect = 1e9;
        for (const RECT& m : monitors) {
            narrowestAspect = std::min(narrowestAspect, double(m.right - m.left) / (m.bottom - m.top));
        }
        ASSERT_TRUE(WaitForPasses(window_, kPassesForSomeFrames));
        const RECT virtualScreen = VirtualScreen();
        const wintest::Screenshot shot = wintest::CaptureVirtualScreen();
        ASSERT_EQ(shot.width, virtualScreen.right - virtualScreen.left);
        const std::vector<double> first = ViewSamples(shot, virtualScreen, monitors[0], narrowestAspect);
        const std::vector<double> second = ViewSamples(shot, virtualScreen, monitors[1], narrowestAspect);
        const double correlation = Correlation(first, second);
        RecordProperty(std::string(shotName) + "_correlation", std::to_string(correlation));
        EXPECT_GT(correlation, 0.9) << "the monitors do not show the same view of the flight";
        // For a person to look at: beside the screenshot path, named after the desk.
        const std::string path = ScreenshotPath();
        if (!path.empty()) {
            const std::string named = path.substr(0, path.rfind('\\') + 1) + "monitors_" + shotName + ".bmp";
            EXPECT_TRUE(shot.SaveBmp(named)) << named;
        }
    }

    std::optional<wintest::ChildProcess> renderer_;
    HWND window_ = nullptr;
};

// A monitor above the primary, the pointer on it at negative coordinates. Monitors beside the
// primary are the desks FollowsChangesOfTheMonitorsInFlight moves to; the layouts' arithmetic is
// monitor_layout_test's.
TEST_F(RendererOnTwoMonitors, CoverThemWithOneTopmostWindowAndTheFlightOnEach) {
    const POINT start{640, -384};
    Fly({1024, 768, 128, -768}, start);
    if (HasFatalFailure()) return;
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window_, &rect));
    EXPECT_TRUE(rect == VirtualScreen());
    EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ExpectTheFlightOnEachMonitor("AboveThePrimary");
    // Over two monitors too, the pointer ends the run (the window does not take the move for
    // one of the system's after a change of the monitors).
    ASSERT_TRUE(SetCursorPos(start.x + 200, start.y + 200));
    EXPECT_EQ(renderer_->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
}

TEST_F(RendererOnTwoMonitors, FollowsChangesOfTheMonitorsInFlight) {
    // The pointer rests near the far corner of the second monitor, which first shrinks, taking
    // the pointer along on both axes (the system's doing, no hand on the mouse), then moves to
    // the other side of the primary.
    Fly({1024, 768, 1280, 0}, {1280 + 1000, 740});
    if (HasFatalFailure()) return;
    struct Change {
        const char* name;
        Placement second;
        RECT window;
    };
    for (const Change& change : {Change{"Shrunk", {800, 600, 1280, 0}, {0, 0, 2080, 1024}},
                                 Change{"MovedLeft", {800, 600, -800, 0}, {-800, 0, 1280, 1024}}}) {
        SCOPED_TRACE(change.name);
        POINT before;
        GetCursorPos(&before);
        ASSERT_TRUE(PlaceSecondMonitor(change.second));
        const bool followed = wintest::PumpUntil(
            [&] {
                RECT rect;
                return GetWindowRect(window_, &rect) && rect == VirtualScreen() && rect == change.window;
            },
            kDisplayChangeTimeoutMs);
        EXPECT_TRUE(followed) << "the window was not laid over the monitors as they are now";
        POINT after;
        GetCursorPos(&after);
        RecordProperty(std::string(change.name) + "_pointer_moved",
                       std::to_string(after.x - before.x) + "," + std::to_string(after.y - before.y));
        // The same renderer and window fly on, still above every other window.
        ASSERT_TRUE(renderer_->IsRunning());
        EXPECT_EQ(wintest::WaitForWindow(kTitle, kWindowTimeoutMs, kClass), window_);
        EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
        ExpectTheFlightOnEachMonitor(change.name);
        ASSERT_TRUE(renderer_->IsRunning());
    }
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(renderer_->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
}

}  // namespace
