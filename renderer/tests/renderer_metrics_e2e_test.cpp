// The order in which the renderer asks for the screen metrics that size its window: the
// maximised width, the maximised height, then the caption height. Read from Wine's relay
// trace of the renderer's GetSystemMetrics calls.
#include <cstdlib>
#include <vector>

#include "renderer/tests/renderer_e2e.h"
#include "testing/wintest/relay_trace.h"

namespace {

using namespace renderer_e2e;

TEST(RendererWindowSize, AsksForMaximisedWidthAndHeightThenTheCaption) {
    // WINE: the calls are read from Wine's relay trace, which Windows does not have.
    wintest::RelayTrace relay("user32.GetSystemMetrics");
    if (!relay.available()) GTEST_SKIP() << "needs Wine's trace through wine_exec_traced.sh";

    ExpectNoRendererLeft();
    const std::string cloud = CloudBytes();
    ASSERT_EQ(cloud.size(), 49206u);
    ASSERT_TRUE(PutTexture(cloud));
    auto renderer = relay.Start(RendererCommandLine());
    ASSERT_TRUE(renderer.has_value());
    HWND window = WaitForFlyingWindow(*renderer);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));

    std::vector<int> asked;
    for (const wintest::RelayCall& call : relay.Calls(renderer->id(), "user32.GetSystemMetrics")) {
        asked.push_back(static_cast<int>(std::strtoul(call.arguments.c_str(), nullptr, 16)));
    }
    ASSERT_GE(asked.size(), 3u) << "no relay trace of the renderer's GetSystemMetrics calls";
    const std::vector<int> firstThree(asked.begin(), asked.begin() + 3);
    EXPECT_EQ(firstThree, (std::vector<int>{SM_CXMAXIMIZED, SM_CYMAXIMIZED, SM_CYCAPTION}));
}

}  // namespace
