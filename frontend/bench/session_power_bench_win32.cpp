// Timed run under Wine of what a whole saver session costs while the display is off, against
// the flight: the real screen saver with its real renderer and its music, the CPU time of both
// processes per second, first flying, then after both windows heard that the
// display went off, as the system tells them. The goal: dark at most 2 % of the flight.
// WINE: the CPU time is read from /proc through drive Z:, of the processes Wine names by their
// Windows command lines.
//   session_power_bench.exe <folder of the installed pair> <seconds per phase> <result file>
// The folder's settings choose the music; the run script puts an MP3 there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/exchange_names.h"
#include "common/power_notice_win32.h"
#include "testing/wintest/power_setting_sender.h"
#include "testing/wintest/unix_process.h"

namespace {

constexpr DWORD kWindowAppearsMs = 30000;

HWND WaitForWindow(const char* title) {
    for (DWORD waited = 0; waited < kWindowAppearsMs; waited += 50) {
        if (HWND found = FindWindowA(nullptr, title)) return found;
        Sleep(50);
    }
    return nullptr;
}

HANDLE OpenWindowsProcess(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_TERMINATE |
                           SYNCHRONIZE,
                       FALSE, id);
}

// The CPU seconds both processes spent per second of wall time over the phase.
struct Phase {
    double renderer = 0;
    double saver = 0;
    double Both() const { return renderer + saver; }
};

// The processes by their Linux ids: WINE gives no CPU time of another process.
Phase Measure(unsigned long renderer, unsigned long saver, double seconds) {
    LARGE_INTEGER rate{}, start{}, now{};
    QueryPerformanceFrequency(&rate);
    const double rendererAtStart = wintest::UnixProcessCpuSeconds(renderer);
    const double saverAtStart = wintest::UnixProcessCpuSeconds(saver);
    QueryPerformanceCounter(&start);
    Sleep(static_cast<DWORD>(seconds * 1000));  // the phase's length is what is measured
    QueryPerformanceCounter(&now);
    const double wall = double(now.QuadPart - start.QuadPart) / double(rate.QuadPart);
    return {(wintest::UnixProcessCpuSeconds(renderer) - rendererAtStart) / wall,
            (wintest::UnixProcessCpuSeconds(saver) - saverAtStart) / wall};
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 4) return 2;
    const std::string folder = __argv[1];
    const double seconds = std::strtod(__argv[2], nullptr);
    const std::string resultPath = __argv[3];

    std::string commandLine = "\"" + folder + "\\Vaporquill.scr\" /s";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &started)) {
        return 3;
    }
    CloseHandle(started.hThread);
    const HWND rendererWindow = WaitForWindow(common::kRendererWindowTitle);
    const HWND saverWindow = WaitForWindow(common::kSaverFormTitle);
    const HANDLE renderer = rendererWindow ? OpenWindowsProcess(rendererWindow) : nullptr;
    if (!renderer || !saverWindow) {
        TerminateProcess(started.hProcess, 1);
        return 4;
    }
    const HANDLE saver = started.hProcess;
    const unsigned long rendererUnix = wintest::UnixProcessOf(folder + "\\Vaporquill.dll");
    const unsigned long saverUnix = wintest::UnixProcessOf(folder + "\\Vaporquill.scr");

    Sleep(2000);  // the flight settles: the loop has measured its swap
    const Phase flight = Measure(rendererUnix, saverUnix, seconds);
    const bool toldRenderer = wintest::SendPowerSetting(renderer, rendererWindow, common::kConsoleDisplayStateGuid, 0);
    const bool toldSaver = wintest::SendPowerSetting(saver, saverWindow, common::kConsoleDisplayStateGuid, 0);
    Sleep(1000);
    const Phase dark = Measure(rendererUnix, saverUnix, seconds);
    wintest::SendPowerSetting(renderer, rendererWindow, common::kConsoleDisplayStateGuid, 1);
    wintest::SendPowerSetting(saver, saverWindow, common::kConsoleDisplayStateGuid, 1);

    PostMessageA(rendererWindow, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(saver, kWindowAppearsMs) != WAIT_OBJECT_0) TerminateProcess(saver, 1);
    if (WaitForSingleObject(renderer, kWindowAppearsMs) != WAIT_OBJECT_0) TerminateProcess(renderer, 1);
    CloseHandle(renderer);
    CloseHandle(saver);

    std::FILE* out = std::fopen(resultPath.c_str(), "w");
    if (!out) return 5;
    std::fprintf(out, "a saver session with its music, %g s a phase; the display-off notice reached %s\n", seconds,
                 toldRenderer && toldSaver ? "both windows" : "NOT both windows");
    if (!rendererUnix || !saverUnix) std::fprintf(out, "the processes were not found in /proc: no CPU times\n");
    std::fprintf(out, "flying:      CPU %.4f s per s (renderer %.4f, screen saver %.4f)\n", flight.Both(),
                 flight.renderer, flight.saver);
    std::fprintf(out, "display off: CPU %.4f s per s (renderer %.4f, screen saver %.4f)\n", dark.Both(),
                 dark.renderer, dark.saver);
    std::fprintf(out, "display off / flying, both programs: %.4f (goal: at most 0.02)\n",
                 flight.Both() > 0 ? dark.Both() / flight.Both() : 0.0);
    std::fclose(out);
    return 0;
}
