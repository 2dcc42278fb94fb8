// What the system's power setting notifications tell both programs: whether the display shows
// a picture (the music and the flight sleep while it is off, not while it is dimmed), and
// whether the computer is to spare power (on battery, or with the battery saver or the energy
// saver on: the flight then presents fewer pictures). Portable: the platform names the setting
// a notification is about and hands over its data as the system wrote it.
#pragma once
#include <cstdint>

namespace common {

// The settings the programs register for.
enum class PowerSetting {
    ConsoleDisplayState,  // 0 off, 1 on, 2 dimmed
    MonitorPower,         // before the console display state was known: 0 off, 1 on
    PowerSource,          // 0 mains, 1 battery, 2 a short-term source (a UPS)
    BatterySaver,         // 0 off, 1 on
    EnergySaver,          // 0 off, 1 standard, 2 high savings
};

struct PowerState {
    bool displayOff = false;
    bool onBattery = false;
    bool batterySaverOn = false;
    bool energySaverOn = false;

    bool operator==(const PowerState& o) const {
        return displayOff == o.displayOff && onBattery == o.onBattery && batterySaverOn == o.batterySaverOn &&
               energySaverOn == o.energySaverOn;
    }
};

// The state after one notification. Data too short to hold its 32-bit value (little-endian,
// as on every Windows machine) changes nothing; a value we do not know leaves things as they
// run normally: the display on, the power from the mains, no saver.
PowerState AfterPowerSetting(PowerState state, PowerSetting setting, const uint8_t* data, uint32_t dataLength);

// Music plays and frames are drawn while the display shows a picture.
inline bool DisplayShows(const PowerState& state) { return !state.displayOff; }
// On battery, or with a saver on, the flight presents at most kSparingFramesPerSecond.
inline bool SparesPower(const PowerState& state) {
    return state.onBattery || state.batterySaverOn || state.energySaverOn;
}
inline constexpr uint32_t kSparingFramesPerSecond = 30;

}  // namespace common
