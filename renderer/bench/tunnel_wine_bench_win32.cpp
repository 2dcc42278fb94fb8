// Timed run under Wine: in one window and one GL context made by the renderer's own code,
// alternate an empty clear-and-swap loop, the fill floor (one textured, depth-tested quad over
// the whole window with the cloud texture: about what the machine can fill a frame) and the
// tunnel drawn both ways and drawn into two viewports (the window's halves, as for two
// monitors), and write the frame rates and their ratios to a file.
//   tunnel_wine_bench.exe <seconds per phase> <rounds> <result file>
// Each round runs the five loops back to back; the ratios reported are the medians of the
// rounds' ratios, so a burst of other load on the machine skews one round, not the result.
#include <windows.h>
#include <GL/gl.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/exchange_names.h"
#include "renderer/bench/pump_messages_win32.h"
#include "renderer/gl_context_win32.h"
#include "renderer/monitor_layout.h"
#include "renderer/render_window_win32.h"
#include "renderer/tunnel_scene_win32.h"

namespace {

enum class Phase { EmptyLoop, FillFloor, TunnelPerRing, TunnelPerVertex, TunnelTwoViewports };

// The scene's state stays as it is (depth test, texture bound, modulated by white): only the
// matrices are set aside so the quad covers the viewport exactly.
void DrawFillFloor(const renderer::GlViewport& viewport) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -1.0f, 0.5f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.5f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 0.5f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-1.0f, 1.0f, 0.5f);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

double FramesPerSecond(renderer::TunnelScene& scene, const std::vector<renderer::GlViewport>& viewports, HDC dc,
                       Phase phase, double seconds) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    long frames = 0;
    for (;;) {
        if (!bench::PumpMessages()) break;
        if (phase == Phase::EmptyLoop) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        } else if (phase == Phase::FillFloor) {
            DrawFillFloor(viewports.front());
        } else {
            // One step a frame: the grid's cost does not depend on the pace.
            scene.TakeSteps(1, {});
            const bool perVertex = phase == Phase::TunnelPerVertex;
            scene.DrawFrame(viewports, 1.0, perVertex ? renderer::GridMethod::PerVertex : renderer::GridMethod::PerRing);
        }
        SwapBuffers(dc);
        ++frames;
        QueryPerformanceCounter(&now);
        const double elapsed = double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        if (elapsed >= seconds) return frames / elapsed;
    }
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char* rest = nullptr;
    const double seconds = std::strtod(commandLine, &rest);
    const long rounds = std::max(1L, std::strtol(rest, &rest, 10));
    while (rest && *rest == ' ') ++rest;
    const std::string resultPath = rest && *rest ? rest : "tunnel_wine_bench.txt";

    renderer::RenderWindow window;
    if (!window.Open()) return 2;
    renderer::TunnelScene scene;
    if (!scene.Prepare(common::kRendererTexturePath.data())) return 2;
    // Measure drawing, not the display: no wait for a retrace in either loop.
    const bool swapControl = renderer::SetSwapInterval(0);

    RECT client;
    GetClientRect(window.window(), &client);
    // Two monitors of half the window each: the same pixels as one viewport, drawn twice over.
    const int32_t halfWidth = client.right / 2;
    const std::vector<renderer::GlViewport> halves{{0, 0, halfWidth, client.bottom},
                                                 {halfWidth, 0, client.right - halfWidth, client.bottom}};

    std::vector<double> empty, fill, perRing, perVertex, twoViewports;
    std::vector<double> perRingRatio, perVertexRatio, fillRatio, overFillRatio, twoViewportsRatio;
    for (long round = 0; round < rounds; ++round) {
        const auto run = [&](Phase phase, const std::vector<renderer::GlViewport>& viewports) {
            return FramesPerSecond(scene, viewports, window.dc(), phase, seconds);
        };
        empty.push_back(run(Phase::EmptyLoop, window.viewports()));
        fill.push_back(run(Phase::FillFloor, window.viewports()));
        perRing.push_back(run(Phase::TunnelPerRing, window.viewports()));
        perVertex.push_back(run(Phase::TunnelPerVertex, window.viewports()));
        twoViewports.push_back(run(Phase::TunnelTwoViewports, halves));
        perRingRatio.push_back(perRing.back() / empty.back());
        perVertexRatio.push_back(perVertex.back() / empty.back());
        fillRatio.push_back(fill.back() / empty.back());
        overFillRatio.push_back(perRing.back() / fill.back());
        twoViewportsRatio.push_back(twoViewports.back() / perRing.back());
    }

    std::FILE* out = std::fopen(resultPath.c_str(), "w");
    if (!out) return 3;
    std::fprintf(out, "window %ldx%ld, swap control %s, %g s per loop, %ld rounds (medians)\n", client.right,
                 client.bottom, swapControl ? "offered (interval 0)" : "not offered", seconds, rounds);
    std::fprintf(out, "empty clear-and-swap: %.1f fps\n", Median(empty));
    std::fprintf(out, "fill floor, one textured full-window quad: %.1f fps, ratio %.3f\n", Median(fill),
                 Median(fillRatio));
    std::fprintf(out, "tunnel, grid per ring: %.1f fps, ratio %.3f\n", Median(perRing), Median(perRingRatio));
    std::fprintf(out, "tunnel, grid per vertex: %.1f fps, ratio %.3f\n", Median(perVertex), Median(perVertexRatio));
    std::fprintf(out, "tunnel (per ring) over the fill floor: %.3f\n", Median(overFillRatio));
    std::fprintf(out, "tunnel in two viewports of half the window: %.1f fps, ratio to one viewport %.3f\n",
                 Median(twoViewports), Median(twoViewportsRatio));
    std::fclose(out);
    return 0;
}
