// The renderer's declared DPI awareness, read from the built program's manifest resource as the
// system reads it when the program starts. WINE: Wine 8 reports every window as aware of each
// monitor's DPI whatever the program declares, so the window itself cannot show the declaration.
#include <string>

#include "renderer/tests/renderer_e2e.h"

namespace {

TEST(RendererManifest, DeclaresAwarenessOfEachMonitorsDpi) {
    const wintest::DpiDeclaration declared = wintest::DeclaredDpiAwareness(wintest::DistDir() + "\\Vaporquill.dll");
    // Windows 10 from 1703 takes the first value it knows; 1607 skips the v2 it does not know.
    ASSERT_TRUE(declared.dpiAwareness.has_value()) << "no manifest the system accepts in the renderer, or no awareness in it";
    EXPECT_EQ(*declared.dpiAwareness, L"PerMonitorV2, PerMonitor");
    // Windows 8.1 and older Windows 10 read only this one.
    EXPECT_EQ(declared.dpiAware, std::optional<std::wstring>(L"true/pm"));
}

}  // namespace
