// The console display state (Windows 8 on) and, where it is not known, the monitor power
// setting of Windows 7 and before: both give 0 for off and 1 for on.
#include "renderer/display_power_win32.h"

namespace renderer {
namespace {
// Spelled out here rather than taken from a GUID library the build does not link.
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kMonitorPowerOn = {0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};
}  // namespace

bool DisplayPowerNotice::Register(HWND window) {
    Reset();
    notice_ = RegisterPowerSettingNotification(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (!notice_) notice_ = RegisterPowerSettingNotification(window, &kMonitorPowerOn, DEVICE_NOTIFY_WINDOW_HANDLE);
    return notice_ != nullptr;
}

void DisplayPowerNotice::Reset() {
    if (notice_) UnregisterPowerSettingNotification(notice_);
    notice_ = nullptr;
}

std::optional<DisplayRun> DisplayRunForBroadcast(WPARAM event, LPARAM setting) {
    if (event != PBT_POWERSETTINGCHANGE || setting == 0) return std::nullopt;
    const auto* change = reinterpret_cast<const POWERBROADCAST_SETTING*>(setting);
    if (!IsEqualGUID(change->PowerSetting, kConsoleDisplayState) && !IsEqualGUID(change->PowerSetting, kMonitorPowerOn)) {
        return std::nullopt;
    }
    return DisplayRunFor(change->Data, change->DataLength);
}

}  // namespace renderer
