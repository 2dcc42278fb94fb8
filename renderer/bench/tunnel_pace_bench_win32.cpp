// Timed run under Wine of the renderer's paced loop: in the renderer's own window and scene,
// the frame loop of the real run (pacer, steps, drawing, swap) at several frame rates, and
// for each the frames and animation steps per second. A rate is held by waiting after each
// swap, as a display with that refresh would; the fast rates run in a small window, since a
// screen-sized one is drawn by software here at well under 144 frames a second.
//   tunnel_pace_bench.exe <seconds per rate> <result file>
#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/exchange_names.h"
#include "renderer/bench/pump_messages_win32.h"
#include "renderer/bench/wait_until_win32.h"
#include "renderer/frame_pacer.h"
#include "renderer/performance_clock_win32.h"
#include "renderer/render_window_win32.h"
#include "renderer/tunnel_scene_win32.h"

namespace {

constexpr int kUnthrottled = 0;

struct PaceRun {
    bool smallWindow;
    int framesPerSecond;
};

// The renderer's own rate at its real size first; then the small window as fast as it goes
// and held to displays faster and slower than 60 Hz; then the full size held to slow rates,
// down to one below 15 frames a second, where the cap on steps per frame holds the flight back.
constexpr std::array<PaceRun, 10> kRuns = {{{false, kUnthrottled},
                                             {true, kUnthrottled},
                                             {true, 240},
                                             {true, 144},
                                             {true, 75},
                                             {true, 60},
                                             {false, 45},
                                             {false, 30},
                                             {false, 20},
                                             {false, 10}}};
constexpr int kSmallWidth = 320, kSmallHeight = 240;

struct PaceResult {
    double framesPerSecond = 0;
    double stepsPerSecond = 0;
    std::array<long, renderer::kMaxStepsPerFrame + 1> framesTaking{};  // frames by step count
};

PaceResult RunAtRate(renderer::TunnelScene& scene, const renderer::RenderWindow& window, int framesPerSecond,
                     double seconds) {
    const renderer::PerformanceClock clock;
    renderer::FramePacer pacer(clock);  // a fresh run: its first frame takes one step
    const int64_t ticksPerSecond = clock.TicksPerSecond();
    const int64_t runTicks = static_cast<int64_t>(seconds * double(ticksPerSecond));
    const int64_t firstFrameStart = clock.NowTicks();
    int64_t frameStart = firstFrameStart;
    PaceResult result;
    long frames = 0, stepsAfterFirstFrame = 0;
    while (bench::PumpMessages()) {
        const int steps = pacer.StepsForFrame();
        scene.TakeSteps(steps, {});
        scene.DrawFrame(window.viewports());
        SwapBuffers(window.dc());
        ++result.framesTaking[static_cast<size_t>(steps)];
        if (frames > 0) stepsAfterFirstFrame += steps;
        ++frames;
        if (framesPerSecond != kUnthrottled) {
            bench::WaitUntil(clock, firstFrameStart + frames * ticksPerSecond / framesPerSecond);
        }
        if (clock.NowTicks() - firstFrameStart >= runTicks) break;
        frameStart = clock.NowTicks();
    }
    // The first frame's step is free; every later step pays for real time between the first
    // frame's start and the last frame's start, the span the pacer has seen.
    const double elapsed = double(frameStart - firstFrameStart) / double(ticksPerSecond);
    result.framesPerSecond = (frames - 1) / elapsed;
    result.stepsPerSecond = stepsAfterFirstFrame / elapsed;
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char* rest = nullptr;
    const double seconds = std::strtod(commandLine, &rest);
    while (rest && *rest == ' ') ++rest;
    const std::string resultPath = rest && *rest ? rest : "tunnel_pace_bench.txt";

    renderer::RenderWindow window;
    if (!window.Open()) return 2;
    renderer::TunnelScene scene;
    if (!scene.Prepare(common::kRendererTexturePath.data())) return 2;
    RECT full;
    GetWindowRect(window.window(), &full);
    std::array<PaceResult, kRuns.size()> results;
    for (size_t n = 0; n < kRuns.size(); ++n) {
        // The size notice lays the picture over the new size, as in the real run.
        const int width = kRuns[n].smallWindow ? kSmallWidth : full.right - full.left;
        const int height = kRuns[n].smallWindow ? kSmallHeight : full.bottom - full.top;
        SetWindowPos(window.window(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE);
        results[n] = RunAtRate(scene, window, kRuns[n].framesPerSecond, seconds);
    }

    std::FILE* out = std::fopen(resultPath.c_str(), "w");
    if (!out) return 3;
    std::fprintf(out, "paced flight, %g s per frame rate (target %d steps/s, at most %d a frame)\n", seconds,
                 renderer::kAnimationStepsPerSecond, renderer::kMaxStepsPerFrame);
    for (size_t n = 0; n < kRuns.size(); ++n) {
        const PaceResult& r = results[n];
        char label[48];
        const char* size = kRuns[n].smallWindow ? "320x240" : "full size";
        if (kRuns[n].framesPerSecond == kUnthrottled) {
            std::snprintf(label, sizeof(label), "%s, free", size);
        } else {
            std::snprintf(label, sizeof(label), "%s, held to %d", size, kRuns[n].framesPerSecond);
        }
        std::fprintf(out, "%-24s %7.1f fps %6.2f steps/s (ratio to 60: %.4f); frames taking 0..%d steps:", label,
                     r.framesPerSecond, r.stepsPerSecond, r.stepsPerSecond / renderer::kAnimationStepsPerSecond,
                     renderer::kMaxStepsPerFrame);
        for (long count : r.framesTaking) std::fprintf(out, " %ld", count);
        std::fprintf(out, "\n");
    }
    std::fclose(out);
    return 0;
}
