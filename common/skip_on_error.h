// The edge where no failure may pass: a window procedure or a system callback of either
// program runs its handling through here, and an exception (an allocation that failed, most
// likely) abandons that handling and gives the answer a skipped message gets instead. The
// system never sees the exception. Portable; the renderer uses it too.
#pragma once

namespace common {

// The result of `handling`, or of `whenSkipped` when handling throws anything at all.
template <typename Handling, typename Skipped>
auto HandleSkippingOnError(const Handling& handling, const Skipped& whenSkipped) noexcept {
    try {
        return handling();
    } catch (...) {
        // Skipped by design: the rest of the handling is passed over, as any failing step is.
        return whenSkipped();
    }
}

}  // namespace common
