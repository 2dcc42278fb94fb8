// The renderer with the power notifications: after the console display state says the display is
// off it draws no frame, and when the display is on again it flies on; on battery it presents at
// most 30 frames a second, on mains a frame per refresh again. Frames are counted in Wine's relay
// trace of the renderer's buffer swaps (FrameWatch).
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/power_notice_win32.h"
#include "renderer/tests/renderer_e2e.h"

namespace {

using namespace renderer_e2e;

constexpr size_t kFramesToSee = 10;
constexpr DWORD kDisplayOff = 0;
constexpr DWORD kDisplayOn = 1;
constexpr DWORD kOnMains = 0;
constexpr DWORD kOnBattery = 1;

// WINE: Wine delivers no power notifications; the test sends the window the one the system would.
bool SendPowerSetting(const wintest::ChildProcess& renderer, HWND window, const GUID& setting, DWORD value) {
    return wintest::SendPowerSetting(renderer.handle(), window, setting, value);
}

// Which values mean off, on or dimmed is power_state_test's table; here one sleep and waking.
TEST(RendererDisplayPower, DrawsNothingWhileTheDisplayIsOff) {
    // WINE: frames are counted in Wine's relay trace, which Windows does not have. Wine does
    // not send the display state notification itself, so the test sends the window the
    // message the system would.
    const FrameWatch watch;
    if (!watch.counts()) GTEST_SKIP() << "needs Wine's trace through wine_exec_traced.sh";

    ExpectNoRendererLeft();
    const std::string cloud = CloudBytes();
    ASSERT_EQ(cloud.size(), 49206u);
    ASSERT_TRUE(PutTexture(cloud));
    auto renderer = watch.Start();
    ASSERT_TRUE(renderer.has_value());
    HWND window = WaitForFlyingWindow(*renderer);
    ASSERT_NE(window, nullptr);
    const auto frames = [&] { return watch.Frames(*renderer); };
    ASSERT_TRUE(watch.WaitForMoreFrames(*renderer, window, kFramesToSee)) << "no frames seen in the trace";

    ASSERT_TRUE(SendPowerSetting(*renderer, window, common::kConsoleDisplayStateGuid, kDisplayOff));
    ASSERT_TRUE(WaitForPasses(window, 2));  // the pass that took the notification is over
    const size_t framesWhenOff = frames();
    // A second of the run with the display off, witnessed by the title timer putting the title
    // back; the loop answers all the while.
    ASSERT_TRUE(SetWindowTextA(window, "Renamed while the display is off"));
    ASSERT_NE(wintest::WaitForWindow(kTitle, kWindowTimeoutMs, kClass), nullptr);
    ASSERT_TRUE(WaitForPasses(window, 2));
    EXPECT_EQ(frames(), framesWhenOff) << "frames drawn while the display was off";
    EXPECT_TRUE(renderer->IsRunning());

    ASSERT_TRUE(SendPowerSetting(*renderer, window, common::kConsoleDisplayStateGuid, kDisplayOn));
    EXPECT_TRUE(watch.WaitForMoreFrames(*renderer, window, kFramesToSee)) << "no frames once the display showed again";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
}

// Frames presented a second over the next `frames` frames, timed by the renderer's own clock as
// Wine stamped each swap. A frame or two is let go first: the pass that took a notification may
// still have been drawing at the old pace.
double PresentedPerSecond(const FrameWatch& watch, const wintest::ChildProcess& renderer, size_t frames) {
    constexpr size_t kFramesLetGo = 2;
    const size_t first = watch.Frames(renderer) + kFramesLetGo;
    wintest::PumpUntil([&] { return watch.Frames(renderer) > first + frames || !renderer.IsRunning(); },
                       kWindowTimeoutMs);
    const std::vector<uint32_t> ticks = watch.FrameTicks(renderer);
    if (ticks.size() <= first + frames) return 0;
    const uint32_t elapsedMs = ticks[first + frames] - ticks[first];
    return elapsedMs > 0 ? frames * 1000.0 / elapsedMs : 0;
}

// The rule's table (30 at most, never above the refresh, back on mains) is frame_cadence_test's;
// here the notification reaching the loop, and leaving it.
TEST(RendererPower, PresentsAtMostThirtyFramesASecondOnBattery) {
    const FrameWatch watch;
    if (!watch.counts()) GTEST_SKIP() << "needs Wine's trace through wine_exec_traced.sh";
    ExpectNoRendererLeft();
    ASSERT_TRUE(PutTexture(CloudBytes()));
    auto renderer = watch.Start();
    ASSERT_TRUE(renderer.has_value());
    HWND window = WaitForFlyingWindow(*renderer);
    ASSERT_NE(window, nullptr);
    // A small window draws quickly even on a loaded machine, so the refresh, not the drawing,
    // sets the pace on mains.
    ASSERT_TRUE(SetWindowPos(window, nullptr, 0, 0, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(WaitForPasses(window, 2));
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    const double refresh = EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1
                               ? mode.dmDisplayFrequency
                               : 60.0;
    ASSERT_GT(refresh, 40) << "the world's display must refresh faster than the battery's pace";
    constexpr size_t kFrames = 60;

    const double onMains = PresentedPerSecond(watch, *renderer, kFrames);
    ASSERT_TRUE(SendPowerSetting(*renderer, window, common::kPowerSourceGuid, kOnBattery));
    ASSERT_TRUE(WaitForPasses(window, 2));
    const double onBattery = PresentedPerSecond(watch, *renderer, kFrames);
    ASSERT_TRUE(SendPowerSetting(*renderer, window, common::kPowerSourceGuid, kOnMains));
    ASSERT_TRUE(WaitForPasses(window, 2));
    const double backOnMains = PresentedPerSecond(watch, *renderer, kFrames);
    std::printf("frames a second at a %.0f Hz refresh: %.1f on mains, %.1f on battery, %.1f on mains again\n",
                refresh, onMains, onBattery, backOnMains);

    EXPECT_LE(onBattery, 31.0) << "on battery";
    EXPECT_GT(onBattery, 20.0) << "on battery the flight goes on";
    for (const double mains : {onMains, backOnMains}) EXPECT_GT(mains, 0.75 * refresh) << "on mains";
    // Bounded above only after the battery: in the first second the loop may still be finding out
    // that this world's swap does not wait for a retrace (on a loaded machine the frames it times
    // come as slowly as a retrace would pace them), and until then the drawing sets the pace.
    EXPECT_LE(backOnMains, refresh * 1.05) << "on mains again the loop holds frames to the refresh";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
}

}  // namespace
