// The flight's animation state: the phase that moves the tunnel and the speed that the
// arrow keys and the slow automatic swing change. Portable; advances in animation steps,
// which the frame pacer hands out at 60 a second of real time.
#pragma once

namespace renderer {

struct Flight {
    // TunnelTime. Double precision so that a run of days keeps moving smoothly: in single
    // precision the phase stops growing after about nine days of frames.
    double time = 0.0;
    float speed = 0.5f;   // TunnelSpeed: added to time each frame; negative flies backward
    bool rising = true;   // SpeedRising: direction of the automatic swing
};

struct SpeedKeys {
    bool faster = false;  // Up held
    bool slower = false;  // Down held
};

// ResetTunnelAnimation: the state before the first frame.
void ResetTunnelAnimation(Flight& flight);

// The phase step at the start of each frame; returns the time the frame draws with.
double AdvanceTunnelTime(Flight& flight);

// StepTunnelSpeed: after each phase step, the keys and the swing change the speed.
void StepTunnelSpeed(Flight& flight, const SpeedKeys& keys);

// One animation step, a sixtieth of a second of flight: the phase step, then the speed step
// with the keys as they are now. The first step after the reset leaves time 0.5, speed 0.501.
void TakeAnimationStep(Flight& flight, const SpeedKeys& keys);

}  // namespace renderer
