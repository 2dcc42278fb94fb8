// DPI of windows and monitors; see display_dpi_win32.h.
#include "host/display_dpi_win32.h"

#include "common/gdi_objects_win32.h"
#include "host/dpi_scale.h"

namespace host {

namespace {

// NOTE: looked up by name so the program still starts on systems older than the calls.
template <typename Function>
Function SystemCall(const char* module, const char* name) {
    HMODULE loaded = GetModuleHandleA(module);
    if (!loaded) loaded = LoadLibraryA(module);
    return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

int ScreenDpi() {
    common::ScreenDc screen;
    return UsableDpi(screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0);
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    if (const auto call = SystemCall<GetDpiForWindowCall>("user32.dll", "GetDpiForWindow")) {
        const UINT dpi = window ? call(window) : 0;
        if (dpi != 0) return UsableDpi(static_cast<int>(dpi));
    }
    return ScreenDpi();
}

int PrimaryMonitorDpi() {
    // MDT_EFFECTIVE_DPI: the DPI the user's scaling gives the monitor.
    using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    if (const auto call = SystemCall<GetDpiForMonitorCall>("shcore.dll", "GetDpiForMonitor")) {
        UINT x = 0, y = 0;
        if (SUCCEEDED(call(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), 0, &x, &y)) && y != 0) {
            return UsableDpi(static_cast<int>(y));
        }
    }
    return ScreenDpi();
}

SIZE FrameSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    RECT frame{0, 0, clientWidth, clientHeight};
    using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi = SystemCall<AdjustForDpiCall>("user32.dll", "AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        frame = RECT{0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace host
