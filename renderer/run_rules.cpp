// The pointer rule, with the distances taken in 64 bits so no screen coordinate overflows, and
// compared in 96ths of an inch times the DPI, so no rounding moves the edge.
#include "renderer/run_rules.h"

#include <cstdlib>

namespace renderer {

bool PointerEndsRun(ScreenPoint start, ScreenPoint now, int startMonitorDpi) {
    constexpr int64_t kThreshold96DpiPx = 30;
    constexpr int64_t kBaseDpi = 96;
    const int64_t dpi = startMonitorDpi > 0 ? startMonitorDpi : kBaseDpi;
    const int64_t dx = std::llabs(int64_t{now.x} - start.x);
    const int64_t dy = std::llabs(int64_t{now.y} - start.y);
    return dx * kBaseDpi > kThreshold96DpiPx * dpi && dy * kBaseDpi > kThreshold96DpiPx * dpi;
}

}  // namespace renderer
