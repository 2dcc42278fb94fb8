// The power setting notifications on Win32: the settings' GUIDs, a registration of a window for
// one of them (owned: unregistered when it goes, before its window), and WM_POWERBROADCAST's
// values read as the setting and its data. Win32 only; header-only, so each program compiles
// it into itself.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/power_state.h"

namespace common {

// Spelled out here: the build links no GUID library, and some are newer than its headers.
inline constexpr GUID kConsoleDisplayStateGuid = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
inline constexpr GUID kMonitorPowerOnGuid = {0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};
inline constexpr GUID kPowerSourceGuid = {0x5d3e9a59, 0xe9d5, 0x4b00, {0xa6, 0xbd, 0xff, 0x34, 0xff, 0x51, 0x65, 0x48}};
inline constexpr GUID kBatterySaverGuid = {0xe00958c0, 0xc213, 0x4ace, {0xac, 0x77, 0xfe, 0xcc, 0xed, 0x2e, 0xee, 0xa5}};
inline constexpr GUID kEnergySaverGuid = {0x550e8400, 0xe29b, 0x41d4, {0xa7, 0x16, 0x44, 0x66, 0x55, 0x44, 0x00, 0x00}};

inline const GUID& PowerSettingGuid(PowerSetting setting) {
    switch (setting) {
        case PowerSetting::ConsoleDisplayState: return kConsoleDisplayStateGuid;
        case PowerSetting::MonitorPower: return kMonitorPowerOnGuid;
        case PowerSetting::PowerSource: return kPowerSourceGuid;
        case PowerSetting::BatterySaver: return kBatterySaverGuid;
        case PowerSetting::EnergySaver: break;
    }
    return kEnergySaverGuid;
}

struct PowerSettingChange {
    PowerSetting setting;
    const uint8_t* data;
    uint32_t dataLength;
};

// WM_POWERBROADCAST's values: a change of one of the settings above, else nothing.
inline std::optional<PowerSettingChange> ReadPowerBroadcast(WPARAM event, LPARAM setting) {
    if (event != PBT_POWERSETTINGCHANGE || setting == 0) return std::nullopt;
    const auto* change = reinterpret_cast<const POWERBROADCAST_SETTING*>(setting);
    for (const PowerSetting known : {PowerSetting::ConsoleDisplayState, PowerSetting::MonitorPower,
                                     PowerSetting::PowerSource, PowerSetting::BatterySaver, PowerSetting::EnergySaver}) {
        if (IsEqualGUID(change->PowerSetting, PowerSettingGuid(known))) {
            return PowerSettingChange{known, change->Data, change->DataLength};
        }
    }
    return std::nullopt;
}

// A window's registration for one setting; the window must outlive it. A system that does
// not know the setting refuses it, and its notification then simply never comes.
class PowerSettingRegistration {
  public:
    PowerSettingRegistration() = default;
    ~PowerSettingRegistration() { Reset(); }
    PowerSettingRegistration(const PowerSettingRegistration&) = delete;
    PowerSettingRegistration& operator=(const PowerSettingRegistration&) = delete;

    bool Register(HWND window, PowerSetting setting) {
        Reset();
        notice_ = RegisterPowerSettingNotification(window, &PowerSettingGuid(setting), DEVICE_NOTIFY_WINDOW_HANDLE);
        return notice_ != nullptr;
    }
    // The display's state: the console display state, or where the system does not know it
    // (before Windows 8), the monitor's power.
    bool RegisterForDisplayState(HWND window) {
        return Register(window, PowerSetting::ConsoleDisplayState) || Register(window, PowerSetting::MonitorPower);
    }
    void Reset() {
        if (notice_) UnregisterPowerSettingNotification(notice_);
        notice_ = nullptr;
    }

  private:
    HPOWERNOTIFY notice_ = nullptr;
};

}  // namespace common
