// A form timer as its handlers see it: an interval in milliseconds and an enabled flag.
// It decides when the platform timer is (re)armed, so that the first tick always comes one
// interval after enabling or after a new interval. Portable.
#pragma once
#include <cstdint>

namespace host {

enum class TimerCommand { None, Arm, Disarm };

class TimerSwitch {
  public:
    TimerSwitch(uint32_t intervalMs, bool enabled) : intervalMs_(intervalMs), enabled_(enabled) {}

    // Enabling a running timer leaves its countdown alone.
    TimerCommand SetEnabled(bool enabled);
    // A new interval restarts the countdown of an enabled timer; 0 stops it.
    TimerCommand SetInterval(uint32_t intervalMs);
    // What the platform timer should be once the form's window exists.
    TimerCommand OnWindowCreated() const;

    bool IsRunning() const { return enabled_ && intervalMs_ > 0; }
    bool enabled() const { return enabled_; }
    uint32_t intervalMs() const { return intervalMs_; }

  private:
    uint32_t intervalMs_;
    bool enabled_;
};

}  // namespace host
