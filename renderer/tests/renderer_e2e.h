// Shared steps of the renderer's end-to-end tests under Wine: put the texture file where
// the front end would, start the installed renderer, and wait for its window.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "testing/wintest/relay_trace.h"
#include "testing/wintest/wintest.h"

namespace renderer_e2e {

constexpr char kTitle[] = "Cirrovance_Tunnel";
constexpr char kClass[] = "OpenGL";
constexpr char kTextureFolder[] = "C:\\q_vosk";
constexpr char kTexturePath[] = "C:\\q_vosk\\Cirrovance.bmp";
// As the renderer spells it in its messages.
constexpr wchar_t kTexturePathAsShown[] = L"c:\\q_vosk\\Cirrovance.bmp";
constexpr DWORD kWindowTimeoutMs = 30000;  // a slow, loaded machine under Wine
constexpr DWORD kExitTimeoutMs = 30000;

// Where the screenshot goes (VQ_RENDERER_SHOT, a Unix path), as a Windows path.
inline std::string ScreenshotPath() {
    const char* unixPath = std::getenv("VQ_RENDERER_SHOT");
    if (!unixPath || !*unixPath) return "";
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) if (c == '/') c = '\\';
    return path;
}

inline std::string CloudBytes() {
    const auto bytes = wintest::ReadFileBytes(wintest::SourceDir() + "\\assets\\cloud.bmp");
    return bytes ? *bytes : std::string();
}

inline bool PutTexture(const std::string& bytes) {
    CreateDirectoryA(kTextureFolder, nullptr);
    return wintest::WriteFileBytes(kTexturePath, bytes);
}

// The installed renderer, started as the front end starts it: its path is the command line.
inline std::string RendererCommandLine() { return "\"" + wintest::DistDir() + "\\Vaporquill.dll\""; }

inline std::optional<wintest::ChildProcess> StartRenderer() { return wintest::ChildProcess::Start(RendererCommandLine()); }

// The renderer hides the cursor once, right after it has taken the pointer's start position
// and before its first frame. The system reports the cursor of the foreground window's
// thread, which the renderer's window has become.
inline bool WaitForCursorHidden(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        CURSORINFO cursor{};
        cursor.cbSize = sizeof(cursor);
        if (GetCursorInfo(&cursor) && !(cursor.flags & CURSOR_SHOWING)) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        wintest::SleepMs(20);
    }
}

// Waits for passes of the renderer's loop. It takes one message per pass; a pass that finds
// its queue empty draws a frame when the display's next refresh is due and otherwise waits
// for a message, so a message sent to its window is answered at the start of a pass and each
// answer after the first marks a pass done. Passes come far more often than frames: a test
// that wants frames waits for them (FrameWatch). False when the window did not answer within
// the bound: it has gone, or hangs.
inline bool WaitForPasses(HWND window, int passes) {
    for (int answered = 0; answered <= passes; ++answered) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWindowTimeoutMs, &result)) return false;
    }
    return true;
}

// Enough passes for the loop to have begun drawing whatever messages came in between.
constexpr int kPassesForSomeFrames = 20;

// The renderer's frames, counted in Wine's relay trace of its buffer swaps, for a renderer
// started through it. WINE: the trace is Wine's; where there is none (on Windows, or a test
// registered without TRACE), a wait for frames falls back to passes of the loop.
class FrameWatch {
  public:
    FrameWatch() : relay_(kSwap) {}
    bool counts() const { return relay_.available(); }
    std::optional<wintest::ChildProcess> Start() const {
        return counts() ? relay_.Start(RendererCommandLine()) : StartRenderer();
    }
    size_t Frames(const wintest::ChildProcess& renderer) const { return relay_.Calls(renderer.id(), kSwap).size(); }
    // When each frame so far was presented, in the renderer's own tick count: a rate read from
    // these does not depend on how soon this test reads the trace.
    std::vector<uint32_t> FrameTicks(const wintest::ChildProcess& renderer) const {
        std::vector<uint32_t> ticks;
        for (const wintest::RelayCall& swap : relay_.Calls(renderer.id(), kSwap)) ticks.push_back(swap.tickMs.value_or(0));
        return ticks;
    }
    // Until `frames` more frames than had been drawn at the call are drawn; false when they were
    // not drawn, or the window did not answer, within the bound.
    bool WaitForMoreFrames(const wintest::ChildProcess& renderer, HWND window, size_t frames) const {
        if (!counts()) return WaitForPasses(window, kPassesForSomeFrames);
        const size_t wanted = Frames(renderer) + frames;
        wintest::PumpUntil([&] { return Frames(renderer) >= wanted || !renderer.IsRunning(); }, kWindowTimeoutMs);
        return Frames(renderer) >= wanted;
    }

  private:
    static constexpr char kSwap[] = "gdi32.SwapBuffers";
    wintest::RelayTrace relay_;
};

// A handful of frames, each drawn with what the test set up before.
constexpr size_t kSomeFrames = 3;

// The renderer's window once the renderer flies: its loop has begun (the pointer's start
// position is taken and the texture loaded) and frames are being drawn.
inline HWND WaitForFlyingWindow(const wintest::ChildProcess& renderer) {
    HWND window = wintest::WaitForWindow(kTitle, kWindowTimeoutMs, kClass);
    if (!window || wintest::WindowProcessId(window) != renderer.id()) return nullptr;
    if (!WaitForCursorHidden(kWindowTimeoutMs) || !WaitForPasses(window, kPassesForSomeFrames)) return nullptr;
    return IsWindowVisible(window) ? window : nullptr;
}

// No renderer of an earlier test may still own the title this test looks for.
inline void ExpectNoRendererLeft() {
    EXPECT_TRUE(wintest::WaitForWindowGone(kTitle, kExitTimeoutMs)) << "a renderer of an earlier test is still up";
}

}  // namespace renderer_e2e
