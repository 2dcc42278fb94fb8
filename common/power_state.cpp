// The notifications' values read byte by byte, so no alignment of the system's buffer is assumed.
#include "common/power_state.h"

namespace common {

PowerState AfterPowerSetting(PowerState state, PowerSetting setting, const uint8_t* data, uint32_t dataLength) {
    if (!data || dataLength < 4) return state;
    const uint32_t value = uint32_t{data[0]} | uint32_t{data[1]} << 8 | uint32_t{data[2]} << 16 |
                           uint32_t{data[3]} << 24;
    switch (setting) {
        case PowerSetting::ConsoleDisplayState:
        case PowerSetting::MonitorPower:
            // A frozen saver is worse than a frame drawn for nothing: only 0 means off.
            state.displayOff = value == 0;
            break;
        case PowerSetting::PowerSource:
            state.onBattery = value == 1 || value == 2;
            break;
        case PowerSetting::BatterySaver:
            state.batterySaverOn = value == 1;
            break;
        case PowerSetting::EnergySaver:
            state.energySaverOn = value == 1 || value == 2;
            break;
    }
    return state;
}

}  // namespace common
