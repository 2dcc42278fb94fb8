// Timed run under Wine: in one window and one GL context made by the renderer's own code,
// alternate an empty clear-and-swap loop with the tunnel drawn both ways, and write the
// frame rates and their ratios to a file.
//   tunnel_wine_bench.exe <seconds per phase> <result file>
#include <windows.h>
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gl_context_win32.h"
#include "render_window_win32.h"
#include "tunnel_scene_win32.h"

namespace {

enum class Phase { EmptyLoop, TunnelPerRing, TunnelPerVertex };

bool PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

double FramesPerSecond(tunnel::TunnelScene& scene, HDC dc, Phase phase, double seconds) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    long frames = 0;
    for (;;) {
        if (!PumpMessages()) break;
        if (phase == Phase::EmptyLoop) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        } else {
            scene.DrawFrame(phase == Phase::TunnelPerRing ? tunnel::GridMethod::PerRing : tunnel::GridMethod::PerVertex);
        }
        SwapBuffers(dc);
        scene.StepSpeed({});
        ++frames;
        QueryPerformanceCounter(&now);
        const double elapsed = double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        if (elapsed >= seconds) return frames / elapsed;
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char* rest = nullptr;
    const double seconds = std::strtod(commandLine, &rest);
    while (rest && *rest == ' ') ++rest;
    const std::string resultPath = rest && *rest ? rest : "tunnel_wine_bench.txt";

    tunnel::TunnelScene scene;
    tunnel::RenderWindow window(scene);
    if (!window.Open()) return 2;
    // Measure drawing, not the display: no wait for a retrace in either loop.
    const bool swapControl = tunnel::SetSwapInterval(0);

    double empty = 0, perRing = 0, perVertex = 0;
    constexpr int kRounds = 2;  // alternate the phases so drift in the machine's load is shared
    for (int round = 0; round < kRounds; ++round) {
        empty += FramesPerSecond(scene, window.dc(), Phase::EmptyLoop, seconds) / kRounds;
        perRing += FramesPerSecond(scene, window.dc(), Phase::TunnelPerRing, seconds) / kRounds;
        perVertex += FramesPerSecond(scene, window.dc(), Phase::TunnelPerVertex, seconds) / kRounds;
    }
    RECT client;
    GetClientRect(window.window(), &client);
    window.Close();

    std::FILE* out = std::fopen(resultPath.c_str(), "w");
    if (!out) return 3;
    std::fprintf(out, "window %ldx%ld, swap control %s, %g s per phase x %d rounds\n", client.right, client.bottom,
                 swapControl ? "offered (interval 0)" : "not offered", seconds, kRounds);
    std::fprintf(out, "empty clear-and-swap: %.1f fps\n", empty);
    std::fprintf(out, "tunnel, grid per ring: %.1f fps, ratio %.3f\n", perRing, perRing / empty);
    std::fprintf(out, "tunnel, grid per vertex: %.1f fps, ratio %.3f\n", perVertex, perVertex / empty);
    std::fclose(out);
    return 0;
}
