// Focus order; see focus_order.h.
#include "host/focus_order.h"

namespace host {

std::optional<size_t> NextInFocusOrder(const std::vector<bool>& canTakeFocus,
                                       std::optional<size_t> current, bool forward) {
    const size_t count = canTakeFocus.size();
    if (count == 0) return std::nullopt;
    // With nothing focused, Tab starts at the first control and Shift+Tab at the last.
    size_t at = current && *current < count ? *current : (forward ? count - 1 : 0);
    for (size_t step = 0; step < count; ++step) {
        at = forward ? (at + 1) % count : (at + count - 1) % count;
        if (canTakeFocus[at]) return at;
    }
    return std::nullopt;
}

}  // namespace host
