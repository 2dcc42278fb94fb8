// Form timer decisions; see timer_switch.h.
#include "host/timer_switch.h"

namespace host {

TimerCommand TimerSwitch::SetEnabled(bool enabled) {
    if (enabled == enabled_) return TimerCommand::None;
    const bool wasRunning = IsRunning();
    enabled_ = enabled;
    if (IsRunning()) return TimerCommand::Arm;
    return wasRunning ? TimerCommand::Disarm : TimerCommand::None;
}

TimerCommand TimerSwitch::SetInterval(uint32_t intervalMs) {
    const bool wasRunning = IsRunning();
    intervalMs_ = intervalMs;
    if (IsRunning()) return TimerCommand::Arm;
    return wasRunning ? TimerCommand::Disarm : TimerCommand::None;
}

TimerCommand TimerSwitch::OnWindowCreated() const {
    return IsRunning() ? TimerCommand::Arm : TimerCommand::None;
}

}  // namespace host
