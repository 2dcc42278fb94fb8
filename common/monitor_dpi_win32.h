// The DPI the user's scaling gives a monitor, through the per-monitor call where the system has
// it (Windows 8.1 on) and the screen's one DPI where it has not. Win32 only; header-only, so each
// program compiles it into itself.
#pragma once
#include <windows.h>

#include "common/gdi_objects_win32.h"

namespace common {

// A system function looked up by name, so the programs still start on systems older than it.
template <typename Function>
Function SystemCall(const char* module, const char* name) {
    HMODULE loaded = GetModuleHandleA(module);
    if (!loaded) loaded = LoadLibraryA(module);
    return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

// The screen's DPI (LOGPIXELSY); 0 when it cannot be read.
inline int ScreenDpi() {
    ScreenDc screen;
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
}

// The effective DPI of the monitor that holds the point (the nearest one when none does); the
// screen's DPI on an older system; 0 when neither can be read.
inline int MonitorDpiAt(POINT point) {
    using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    if (const auto call = SystemCall<GetDpiForMonitorCall>("shcore.dll", "GetDpiForMonitor")) {
        UINT x = 0, y = 0;
        if (SUCCEEDED(call(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) && y != 0) {
            return static_cast<int>(y);
        }
    }
    return ScreenDpi();
}

}  // namespace common
