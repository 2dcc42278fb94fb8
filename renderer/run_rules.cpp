// The pointer rule, with the distances taken in 64 bits so no screen coordinate overflows.
#include "renderer/run_rules.h"

#include <cstdlib>

namespace renderer {

bool PointerEndsRun(ScreenPoint start, ScreenPoint now) {
    constexpr int64_t kThresholdPx = 30;
    const int64_t dx = std::llabs(int64_t{now.x} - start.x);
    const int64_t dy = std::llabs(int64_t{now.y} - start.y);
    return dx > kThresholdPx && dy > kThresholdPx;
}

}  // namespace renderer
