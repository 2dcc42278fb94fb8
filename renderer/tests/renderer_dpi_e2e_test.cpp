// The renderer's declared DPI awareness, read from the built program's manifest resource as the
// system reads it when the program starts: an activation context made from the resource, and its
// window settings. WINE: Wine 8 reports every window as aware of each monitor's DPI whatever the
// program declares, so the window itself cannot show the declaration.
#include <string>

#include "renderer/tests/renderer_e2e.h"

namespace {

class ManifestSettings {
  public:
    explicit ManifestSettings(const std::string& program) {
        ACTCTXA request{};
        request.cbSize = sizeof(request);
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = program.c_str();
        request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        context_ = CreateActCtxA(&request);
    }
    ~ManifestSettings() {
        if (read()) ReleaseActCtx(context_);
    }
    ManifestSettings(const ManifestSettings&) = delete;
    ManifestSettings& operator=(const ManifestSettings&) = delete;

    // False when the program has no manifest, or one the system refuses (then it would not start).
    bool read() const { return context_ != INVALID_HANDLE_VALUE; }
    std::wstring Setting(const wchar_t* nameSpace, const wchar_t* name) const {
        wchar_t value[256] = {};
        SIZE_T written = 0;
        if (!QueryActCtxSettingsW(0, context_, nameSpace, name, value, ARRAYSIZE(value), &written)) return L"";
        return value;
    }

  private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST(RendererManifest, DeclaresAwarenessOfEachMonitorsDpi) {
    const ManifestSettings manifest(wintest::DistDir() + "\\Vaporquill.dll");
    ASSERT_TRUE(manifest.read()) << "no manifest the system accepts in the renderer: " << GetLastError();
    // Windows 10 from 1703 takes the first value it knows; 1607 skips the v2 it does not know.
    const std::wstring awareness =
        manifest.Setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness");
    EXPECT_EQ(awareness.rfind(L"PerMonitorV2,", 0), 0u) << wintest::Utf8(awareness);
    EXPECT_NE(awareness.find(L"PerMonitor", 13), std::wstring::npos) << wintest::Utf8(awareness);
    // Windows 8.1 and older Windows 10 read only this one.
    EXPECT_EQ(manifest.Setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");
}

}  // namespace
