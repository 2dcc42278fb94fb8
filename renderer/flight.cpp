// Speed swing and key steps, each result kept in single precision as the speed is a float.
// NOTE: the Windows build does this arithmetic in SSE2 registers (-mfpmath=sse), as the native
// one does; on the x87 the chained steps skip the rounding to float and the flight drifts.
#include "renderer/flight.h"

namespace renderer {
namespace {
constexpr float kStartSpeed = 0.5f;
constexpr float kKeyStepPerFrame = 0.005f;
constexpr float kSwingStepPerFrame = 0.001f;
constexpr float kSwingTurnsDownAbove = 1.5f;
constexpr float kSwingTurnsUpBelow = 0.1f;
}  // namespace

void ResetTunnelAnimation(Flight& flight) {
    flight.speed = kStartSpeed;
    flight.time = 0.0;
    flight.rising = true;
}

double AdvanceTunnelTime(Flight& flight) {
    flight.time += static_cast<double>(flight.speed);
    return flight.time;
}

void StepTunnelSpeed(Flight& flight, const SpeedKeys& keys) {
    if (keys.faster) flight.speed = flight.speed + kKeyStepPerFrame;
    if (keys.slower) flight.speed = flight.speed - kKeyStepPerFrame;
    flight.speed = flight.rising ? flight.speed + kSwingStepPerFrame : flight.speed - kSwingStepPerFrame;
    // The bounds only turn the swing; a held key may carry the speed past them.
    if (flight.speed > kSwingTurnsDownAbove) flight.rising = false;
    if (flight.speed < kSwingTurnsUpBelow) flight.rising = true;
}

void TakeAnimationStep(Flight& flight, const SpeedKeys& keys) {
    AdvanceTunnelTime(flight);
    StepTunnelSpeed(flight, keys);
}

}  // namespace renderer
