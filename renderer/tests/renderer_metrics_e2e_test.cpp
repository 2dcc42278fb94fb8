// The order in which the renderer asks for the screen metrics that size its window: the
// maximised width, the maximised height, then the caption height. Read from Wine's relay
// trace of the renderer's GetSystemMetrics calls.
#include <cstdio>
#include <vector>

#include "renderer_e2e.h"

namespace {

using namespace renderer_e2e;

constexpr char kWineDebugKey[] = "Software\\Wine\\Debug";

bool RunningUnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

// Relay tracing limited to one function, for the processes started while this exists.
class RelayOnlyGetSystemMetrics {
  public:
    RelayOnlyGetSystemMetrics() {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kWineDebugKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_, nullptr) !=
            ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        static const char kInclude[] = "user32.GetSystemMetrics";
        isSet_ = RegSetValueExA(key_, "RelayInclude", 0, REG_SZ, reinterpret_cast<const BYTE*>(kInclude),
                                sizeof(kInclude)) == ERROR_SUCCESS;
    }
    ~RelayOnlyGetSystemMetrics() {
        if (isSet_) RegDeleteValueA(key_, "RelayInclude");
        if (key_) RegCloseKey(key_);
    }
    RelayOnlyGetSystemMetrics(const RelayOnlyGetSystemMetrics&) = delete;
    RelayOnlyGetSystemMetrics& operator=(const RelayOnlyGetSystemMetrics&) = delete;
    bool isSet() const { return isSet_; }

  private:
    HKEY key_ = nullptr;
    bool isSet_ = false;
};

// Starts the renderer with the relay channel on; this process keeps its own debug setting.
std::optional<wintest::ChildProcess> StartRendererWithRelay() {
    char own[256] = {};
    const DWORD ownLength = GetEnvironmentVariableA("WINEDEBUG", own, sizeof(own));
    SetEnvironmentVariableA("WINEDEBUG", "+pid,+relay");
    auto renderer = StartRenderer();
    SetEnvironmentVariableA("WINEDEBUG", ownLength > 0 && ownLength < sizeof(own) ? own : nullptr);
    return renderer;
}

// The metric indices the process asked for, in order. Trace lines with +pid read
// "<pid>:<tid>:Call user32.GetSystemMetrics(<index, 8 hex digits>) ret=...".
std::vector<int> MetricsAskedBy(const std::string& trace, DWORD processId) {
    char prefix[16];
    std::snprintf(prefix, sizeof(prefix), "%04lx:", static_cast<unsigned long>(processId));
    const std::string call = ":Call user32.GetSystemMetrics(";
    std::vector<int> indices;
    size_t lineStart = 0;
    while (lineStart < trace.size()) {
        size_t lineEnd = trace.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = trace.size();
        const std::string line = trace.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const size_t at = line.find(call);
        if (line.rfind(prefix, 0) != 0 || at == std::string::npos) continue;
        indices.push_back(static_cast<int>(std::strtoul(line.c_str() + at + call.size(), nullptr, 16)));
    }
    return indices;
}

TEST(RendererWindowSize, AsksForMaximisedWidthAndHeightThenTheCaption) {
    // WINE: the calls are read from Wine's relay trace, which Windows does not have.
    const char* unixTrace = std::getenv("VQ_WINE_TRACE");
    if (!RunningUnderWine() || !unixTrace) GTEST_SKIP() << "needs Wine's trace through wine_exec_traced.sh";
    std::string tracePath = std::string("Z:") + unixTrace;
    for (char& c : tracePath) if (c == '/') c = '\\';

    ExpectNoRendererLeft();
    const std::string cloud = CloudBytes();
    ASSERT_EQ(cloud.size(), 49206u);
    ASSERT_TRUE(PutTexture(cloud));
    RelayOnlyGetSystemMetrics relay;
    ASSERT_TRUE(relay.isSet());
    auto renderer = StartRendererWithRelay();
    ASSERT_TRUE(renderer.has_value());
    HWND window = WaitForFlyingWindow(*renderer);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));

    const std::vector<int> asked = MetricsAskedBy(wintest::ReadFileBytes(tracePath).value_or(""), renderer->id());
    ASSERT_GE(asked.size(), 3u) << "no relay trace of the renderer's GetSystemMetrics calls";
    const std::vector<int> firstThree(asked.begin(), asked.begin() + 3);
    EXPECT_EQ(firstThree, (std::vector<int>{SM_CXMAXIMIZED, SM_CYMAXIMIZED, SM_CYCAPTION}));
}

}  // namespace
