// The moment a frame shows: the stepped flight, carried on between its latest two steps by the
// share of a step that real time has run since. Portable. Only the drawing sees the blended
// time; the flight itself steps exactly as before, so its bits never depend on the display.
#pragma once
#include "renderer/flight.h"

namespace renderer {

class PresentedFlight {
  public:
    // ResetTunnelAnimation, and no step taken yet.
    void Reset();
    // The animation steps the frame pacer gave a frame, each reading the keys.
    void TakeSteps(int steps, const SpeedKeys& keys);
    // The time a frame draws with: stepFraction (0 to 1) of the way from the time before the
    // latest step to the time after it, never past the latest step. The phase and the eye's
    // bends are both functions of this time, so the whole picture moves on smoothly. Until the
    // second step there is nothing to come from: the first frames show the first step exactly.
    double PresentedTime(double stepFraction) const;
    const Flight& flight() const { return flight_; }

  private:
    Flight flight_;
    double timeBeforeLatestStep_ = 0.0;
    bool hasStepped_ = false;
};

}  // namespace renderer
