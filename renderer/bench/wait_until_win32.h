// The benchmarks' stand-in for a display of a given refresh: waiting until a frame's time.
#pragma once
#include <windows.h>

#include "renderer/performance_clock_win32.h"

namespace bench {

// Sleeps for most of the wait and spins the last two milliseconds, which Sleep cannot hit.
inline void WaitUntil(const renderer::PerformanceClock& clock, int64_t deadline) {
    const int64_t twoMs = clock.TicksPerSecond() / 500;
    for (int64_t now = clock.NowTicks(); now < deadline; now = clock.NowTicks()) {
        Sleep(deadline - now > twoMs ? 1 : 0);
    }
}

}  // namespace bench
