// The blend between the latest two steps, clamped so rounding never carries it past either.
#include "renderer/presented_flight.h"

#include <algorithm>

namespace renderer {

void PresentedFlight::Reset() {
    ResetTunnelAnimation(flight_);
    timeBeforeLatestStep_ = flight_.time;
    hasStepped_ = false;
}

void PresentedFlight::TakeSteps(int steps, const SpeedKeys& keys) {
    for (int n = 0; n < steps; ++n) {
        const double before = flight_.time;
        TakeAnimationStep(flight_, keys);
        // The reset state was never shown: the first step is not blended from it.
        timeBeforeLatestStep_ = hasStepped_ ? before : flight_.time;
        hasStepped_ = true;
    }
}

double PresentedFlight::PresentedTime(double stepFraction) const {
    const double from = timeBeforeLatestStep_;
    const double to = flight_.time;
    // NOTE: written so that a fraction that is not a number shows the latest step.
    if (!(stepFraction < 1.0)) return to;
    if (stepFraction <= 0.0) return from;
    const double blended = from + stepFraction * (to - from);
    // The flight may run backward (a negative speed), so the bounds go either way round.
    return std::clamp(blended, std::min(from, to), std::max(from, to));
}

}  // namespace renderer
