// The display state value read byte by byte, so no alignment of the system's buffer is assumed.
#include "renderer/display_power.h"

namespace renderer {
namespace {
constexpr uint32_t kDisplayOff = 0;
}  // namespace

std::optional<DisplayRun> DisplayRunFor(const uint8_t* data, uint32_t dataLength) {
    if (!data || dataLength < 4) return std::nullopt;
    const uint32_t value = uint32_t{data[0]} | uint32_t{data[1]} << 8 | uint32_t{data[2]} << 16 |
                           uint32_t{data[3]} << 24;
    return value == kDisplayOff ? DisplayRun::Sleep : DisplayRun::Fly;
}

}  // namespace renderer
