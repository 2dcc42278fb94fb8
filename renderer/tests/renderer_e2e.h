// Shared steps of the renderer's end-to-end tests under Wine: put the texture file where
// the front end would, start the installed renderer, and wait for its window.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "wintest/wintest.h"

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

inline std::optional<wintest::ChildProcess> StartRenderer() {
    return wintest::ChildProcess::Start("\"" + wintest::DistDir() + "\\Vaporquill.dll\"");
}

// The renderer's window once it is shown; the cursor start position is taken right after,
// when the texture has loaded, so a short settling time follows.
inline HWND WaitForFlyingWindow(const wintest::ChildProcess& renderer) {
    HWND window = wintest::WaitForWindow(kTitle, kWindowTimeoutMs, kClass);
    if (!window || wintest::WindowProcessId(window) != renderer.id()) return nullptr;
    const DWORD start = GetTickCount();
    while (!IsWindowVisible(window) && GetTickCount() - start < kWindowTimeoutMs) wintest::SleepMs(50);
    wintest::SleepMs(1500);
    return IsWindowVisible(window) ? window : nullptr;
}

// No renderer of an earlier test may still own the title this test looks for.
inline void ExpectNoRendererLeft() {
    EXPECT_TRUE(wintest::WaitForWindowGone(kTitle, kExitTimeoutMs)) << "a renderer of an earlier test is still up";
}

}  // namespace renderer_e2e
