// The renderer's window hears when the display goes off and comes back: the registration for
// the console display state notification, and the notification read as fly or sleep.
#pragma once
#include <windows.h>

#include <optional>

#include "renderer/display_power.h"

namespace renderer {

// Owns the registration; the window must outlive it.
class DisplayPowerNotice {
  public:
    DisplayPowerNotice() = default;
    // False where the system offers neither the console display state nor, before it, the
    // monitor power notification: the flight then simply never sleeps.
    bool Register(HWND window);
    ~DisplayPowerNotice() { Reset(); }
    DisplayPowerNotice(const DisplayPowerNotice&) = delete;
    DisplayPowerNotice& operator=(const DisplayPowerNotice&) = delete;
    void Reset();

  private:
    HPOWERNOTIFY notice_ = nullptr;
};

// WM_POWERBROADCAST's values: a display state change read as fly or sleep, else nothing.
std::optional<DisplayRun> DisplayRunForBroadcast(WPARAM event, LPARAM setting);

}  // namespace renderer
