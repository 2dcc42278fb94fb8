// The renderer asleep with the display: after the console display state notification says the
// display is off it draws no frame, and when the display is on again it flies on. Frames are
// counted in Wine's relay trace of the renderer's buffer swaps (FrameWatch).
#include <cstddef>
#include <cstring>
#include <string>

#include "renderer/tests/renderer_e2e.h"

namespace {

using namespace renderer_e2e;

constexpr size_t kFramesToSee = 10;
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr DWORD kDisplayOff = 0;
constexpr DWORD kDisplayOn = 1;

// Sends the window the notification the system sends: WM_POWERBROADCAST with the setting in
// the renderer's own memory, as a pointer from here would mean nothing there.
bool SendDisplayState(const wintest::ChildProcess& renderer, HWND window, DWORD state) {
    BYTE notice[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)] = {};
    const DWORD length = sizeof(state);
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, PowerSetting), &kConsoleDisplayState, sizeof(GUID));
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, DataLength), &length, sizeof(length));
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, Data), &state, sizeof(state));
    void* remote = VirtualAllocEx(renderer.handle(), nullptr, sizeof(notice), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return false;
    DWORD_PTR result = 0;
    const bool sent = WriteProcessMemory(renderer.handle(), remote, notice, sizeof(notice), nullptr) &&
                      SendMessageTimeoutA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                                          reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, kWindowTimeoutMs, &result);
    VirtualFreeEx(renderer.handle(), remote, 0, MEM_RELEASE);
    return sent && result == TRUE;
}

// Which values mean off, on or dimmed is display_power_test's table; here one sleep and waking.
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

    ASSERT_TRUE(SendDisplayState(*renderer, window, kDisplayOff));
    ASSERT_TRUE(WaitForPasses(window, 2));  // the pass that took the notification is over
    const size_t framesWhenOff = frames();
    // A second of the run with the display off, witnessed by the title timer putting the title
    // back; the loop answers all the while.
    ASSERT_TRUE(SetWindowTextA(window, "Renamed while the display is off"));
    ASSERT_NE(wintest::WaitForWindow(kTitle, kWindowTimeoutMs, kClass), nullptr);
    ASSERT_TRUE(WaitForPasses(window, 2));
    EXPECT_EQ(frames(), framesWhenOff) << "frames drawn while the display was off";
    EXPECT_TRUE(renderer->IsRunning());

    ASSERT_TRUE(SendDisplayState(*renderer, window, kDisplayOn));
    EXPECT_TRUE(watch.WaitForMoreFrames(*renderer, window, kFramesToSee)) << "no frames once the display showed again";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
}

}  // namespace
