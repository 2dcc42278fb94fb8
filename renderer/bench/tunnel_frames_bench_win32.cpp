// Timed run under Wine of what each frame costs and shows: in the renderer's own window and
// scene, the loop the renderer ran before frames were held to the display (a frame whenever the
// queue is empty) against the renderer's frame loop (FrameLoop), with no retrace to wait on.
// For each: frames a second against the refresh, distinct pictures a second (frames drawn at a
// moment of the flight the frame before did not show), and the process's CPU time per second of
// flight (GetProcessTimes), with that of the processes that present its frames where their ids
// are given. Then the frame loop while the display is off and on battery, and at full size on
// mains and on battery.
//   tunnel_frames_bench.exe <seconds per run> <result file>
// WINE: VQ_BENCH_HELPER_PIDS holds the Unix process ids of the X server and of Wine's server,
// whose CPU time is read from /proc through Wine's drive Z:.
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/exchange_names.h"
#include "common/power_notice_win32.h"
#include "renderer/bench/wait_until_win32.h"
#include "renderer/frame_loop_win32.h"
#include "renderer/frame_pacer.h"
#include "renderer/gl_context_win32.h"
#include "renderer/performance_clock_win32.h"
#include "renderer/queued_message_win32.h"
#include "renderer/render_window_win32.h"
#include "renderer/tunnel_scene_win32.h"
#include "testing/wintest/power_setting_sender.h"
#include "testing/wintest/unix_process.h"

namespace {

constexpr int kSmallWidth = 320, kSmallHeight = 240;
constexpr int kHeldNone = 0;

struct RunResult {
    double seconds = 0;
    long frames = 0;
    long distinctPictures = 0;
    double cpuSeconds = 0;
    double helperCpuSeconds = 0;
    double FramesPerSecond() const { return frames / seconds; }
    double DistinctPerSecond() const { return distinctPictures / seconds; }
    double CpuPerSecond() const { return cpuSeconds / seconds; }
    double AllCpuPerSecond() const { return (cpuSeconds + helperCpuSeconds) / seconds; }
};

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    const auto seconds = [](const FILETIME& t) {
        return double((uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime) / 1e7;  // 100 ns units
    };
    return seconds(kernel) + seconds(user);
}

double HelperCpuSeconds() {
    const char* ids = std::getenv("VQ_BENCH_HELPER_PIDS");
    double total = 0;
    for (char* next = nullptr; ids && *ids; ids = next) {
        const unsigned long id = std::strtoul(ids, &next, 10);
        if (next == ids) break;
        total += wintest::UnixProcessCpuSeconds(id);
    }
    return total;
}

bool HelpersWatched() {
    const char* ids = std::getenv("VQ_BENCH_HELPER_PIDS");
    return ids && *ids;
}

// Runs passes for the given time, counting frames and the distinct moments they showed, after
// half a second in which the loop settles (the frame loop first measures whether the swap
// waits). A pass reports the frames it drew; it returns false when the run was told to end.
RunResult Measure(const renderer::TunnelScene& scene, double seconds, const std::function<bool(long&)>& pass) {
    const renderer::PerformanceClock clock;
    const int64_t settled = clock.NowTicks() + clock.TicksPerSecond() / 2;
    long frames = 0;
    while (clock.NowTicks() < settled) {
        if (!pass(frames)) return {};
    }
    const int64_t start = clock.NowTicks();
    const int64_t end = start + static_cast<int64_t>(seconds * double(clock.TicksPerSecond()));
    const double cpuAtStart = ProcessCpuSeconds();
    const double helperCpuAtStart = HelperCpuSeconds();
    RunResult result;
    double shownBefore = scene.drawnTime();
    const long framesBefore = frames;
    while (clock.NowTicks() < end) {
        if (!pass(frames)) break;
        if (frames - framesBefore != result.frames) {
            result.frames = frames - framesBefore;
            if (scene.drawnTime() != shownBefore) ++result.distinctPictures;
            shownBefore = scene.drawnTime();
        }
    }
    result.cpuSeconds = ProcessCpuSeconds() - cpuAtStart;
    result.helperCpuSeconds = HelperCpuSeconds() - helperCpuAtStart;
    result.seconds = double(clock.NowTicks() - start) / double(clock.TicksPerSecond());
    return result;
}

// The loop as it was: one message per pass, a frame in every pass that finds none, held to a
// rate only by a stand-in display that waits after each swap.
RunResult RunLoopAsBefore(renderer::TunnelScene& scene, const renderer::RenderWindow& window, int heldToHz,
                          double seconds) {
    const renderer::PerformanceClock clock;
    renderer::FramePacer pacer(clock);
    int64_t heldStart = 0;
    return Measure(scene, seconds, [&](long& frames) {
        switch (renderer::HandleOneQueuedMessage()) {
            case renderer::QueuedMessage::Quit: return false;
            case renderer::QueuedMessage::Handled: return true;
            case renderer::QueuedMessage::None: break;
        }
        scene.TakeSteps(pacer.StepsForFrame(), {});
        scene.DrawFrame(window.viewports());
        SwapBuffers(window.dc());
        if (frames++ == 0) heldStart = clock.NowTicks();
        if (heldToHz != kHeldNone) bench::WaitUntil(clock, heldStart + frames * clock.TicksPerSecond() / heldToHz);
        return true;
    });
}

RunResult RunFrameLoop(renderer::RenderWindow& window, renderer::TunnelScene& scene, int refreshHz, double seconds,
                       bool* heldFrames = nullptr) {
    renderer::FrameLoop loop(window, scene, refreshHz);
    const RunResult result = Measure(scene, seconds, [&](long& frames) {
        const bool goesOn = loop.RunPass();
        frames = loop.framesDrawn();
        return goesOn;
    });
    if (heldFrames) *heldFrames = loop.holdsFrames();
    return result;
}

// The notification the system sends, to the bench's own window.
void SendPowerSetting(HWND window, const GUID& setting, DWORD value) {
    wintest::SendPowerSetting(GetCurrentProcess(), window, setting, value);
}

void Resize(HWND window, int width, int height) {
    // The size notice lays the picture over the new size, as in the real run.
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE);
}

void PrintRun(std::FILE* out, const char* label, const RunResult& r, int refreshHz) {
    std::fprintf(out, "%-34s %7.1f fps", label, r.FramesPerSecond());
    if (refreshHz != kHeldNone) std::fprintf(out, " (%.3f of %d Hz)", r.FramesPerSecond() / refreshHz, refreshHz);
    std::fprintf(out, ", %6.1f distinct pictures/s, CPU %.3f s per s of flight", r.DistinctPerSecond(),
                 r.CpuPerSecond());
    if (HelpersWatched()) std::fprintf(out, " (%.3f with the X and Wine servers)", r.AllCpuPerSecond());
    std::fprintf(out, "\n");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char* rest = nullptr;
    const double seconds = std::strtod(commandLine, &rest);
    while (rest && *rest == ' ') ++rest;
    const std::string resultPath = rest && *rest ? rest : "tunnel_frames_bench.txt";

    renderer::RenderWindow window;
    if (!window.Open()) return 2;
    renderer::TunnelScene scene;
    if (!scene.Prepare(common::kRendererTexturePath.data())) return 2;
    // No retrace to wait on, as under Xvfb: whether the swap waits is the loop's to find out.
    const bool swapControl = renderer::SetSwapInterval(0);
    const int displayHz = renderer::RefreshRateOrFallback(renderer::ReportedRefreshHz());
    RECT full;
    GetWindowRect(window.window(), &full);
    Resize(window.window(), kSmallWidth, kSmallHeight);

    const RunResult before = RunLoopAsBefore(scene, window, kHeldNone, seconds);
    bool heldFrames = false;
    const RunResult atDisplay = RunFrameLoop(window, scene, displayHz, seconds, &heldFrames);
    std::vector<std::pair<int, RunResult>> atRefresh;
    for (const int hz : {75, 144, 240}) atRefresh.emplace_back(hz, RunFrameLoop(window, scene, hz, seconds));
    const RunResult beforeHeldTo144 = RunLoopAsBefore(scene, window, 144, seconds);

    SendPowerSetting(window.window(), common::kConsoleDisplayStateGuid, 0);
    const RunResult displayOff = RunFrameLoop(window, scene, displayHz, seconds);
    SendPowerSetting(window.window(), common::kConsoleDisplayStateGuid, 1);
    const RunResult displayBack = RunFrameLoop(window, scene, displayHz, seconds);
    SendPowerSetting(window.window(), common::kPowerSourceGuid, 1);
    const RunResult onBattery = RunFrameLoop(window, scene, displayHz, seconds);
    SendPowerSetting(window.window(), common::kPowerSourceGuid, 0);

    Resize(window.window(), full.right - full.left, full.bottom - full.top);
    const RunResult fullBefore = RunLoopAsBefore(scene, window, kHeldNone, seconds);
    const RunResult fullAtDisplay = RunFrameLoop(window, scene, displayHz, seconds);
    SendPowerSetting(window.window(), common::kPowerSourceGuid, 1);
    const RunResult fullOnBattery = RunFrameLoop(window, scene, displayHz, seconds);
    SendPowerSetting(window.window(), common::kPowerSourceGuid, 0);

    std::FILE* out = std::fopen(resultPath.c_str(), "w");
    if (!out) return 3;
    std::fprintf(out, "frames, %dx%d unless said, swap control %s, display refresh from its settings %d Hz, %g s a run\n",
                 kSmallWidth, kSmallHeight, swapControl ? "offered (interval 0)" : "not offered", displayHz, seconds);
    std::fprintf(out, "the frame loop measured the swap: %s\n",
                 heldFrames ? "it does not wait for a retrace, the loop holds frames" : "it waits for the retrace");
    PrintRun(out, "loop as before, unheld", before, kHeldNone);
    PrintRun(out, "frame loop at the display", atDisplay, displayHz);
    std::fprintf(out, "CPU time per second of flight, before / frame loop: %.1f",
                 before.CpuPerSecond() / atDisplay.CpuPerSecond());
    if (HelpersWatched()) {
        std::fprintf(out, " (%.1f with the X and Wine servers)", before.AllCpuPerSecond() / atDisplay.AllCpuPerSecond());
    }
    std::fprintf(out, "\n");
    std::fprintf(out, "repeated pictures before: %ld of %ld frames (%.0f %%)\n", before.frames - before.distinctPictures,
                 before.frames, 100.0 * (before.frames - before.distinctPictures) / before.frames);
    for (const auto& [hz, r] : atRefresh) {
        char label[48];
        std::snprintf(label, sizeof(label), "frame loop at %d Hz", hz);
        PrintRun(out, label, r, hz);
    }
    PrintRun(out, "loop as before, held to 144", beforeHeldTo144, 144);
    std::fprintf(out, "display off (frame loop): %ld frames in %.1f s, CPU %.4f s per s (%.4f with the servers)\n",
                 displayOff.frames, displayOff.seconds, displayOff.CpuPerSecond(), displayOff.AllCpuPerSecond());
    PrintRun(out, "frame loop, display back on", displayBack, displayHz);
    PrintRun(out, "frame loop on battery", onBattery, displayHz);
    char fullLabel[64];
    std::snprintf(fullLabel, sizeof(fullLabel), "%ldx%ld, loop as before", full.right - full.left,
                  full.bottom - full.top);
    PrintRun(out, fullLabel, fullBefore, kHeldNone);
    std::snprintf(fullLabel, sizeof(fullLabel), "%ldx%ld, frame loop", full.right - full.left, full.bottom - full.top);
    PrintRun(out, fullLabel, fullAtDisplay, displayHz);
    std::snprintf(fullLabel, sizeof(fullLabel), "%ldx%ld, on battery", full.right - full.left, full.bottom - full.top);
    PrintRun(out, fullLabel, fullOnBattery, displayHz);
    // Measured against the same run's mains: the goal is at most 0.55 of it.
    std::fprintf(out, "CPU time per second of flight, battery / mains: %.2f at %dx%d, %.2f at %ldx%ld\n",
                 onBattery.CpuPerSecond() / atDisplay.CpuPerSecond(), kSmallWidth, kSmallHeight,
                 fullOnBattery.CpuPerSecond() / fullAtDisplay.CpuPerSecond(), full.right - full.left,
                 full.bottom - full.top);
    std::fprintf(out, "display off / flight, CPU time per second (the renderer alone): %.4f\n",
                 displayOff.CpuPerSecond() / atDisplay.CpuPerSecond());
    std::fclose(out);
    return 0;
}
