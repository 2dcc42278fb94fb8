// QueryPerformanceCounter never fails on the systems we run on (Windows XP and later); if it
// ever did, the frequency reads as 0 and the pacer falls back to one step per frame.
#include "renderer/performance_clock_win32.h"

#include <windows.h>

namespace renderer {

int64_t PerformanceClock::NowTicks() const {
    LARGE_INTEGER now;
    return QueryPerformanceCounter(&now) ? now.QuadPart : 0;
}

int64_t PerformanceClock::TicksPerSecond() const {
    LARGE_INTEGER frequency;
    return QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
}

}  // namespace renderer
