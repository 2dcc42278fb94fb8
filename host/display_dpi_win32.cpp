// DPI of windows and monitors; see display_dpi_win32.h.
#include "host/display_dpi_win32.h"

#include "common/monitor_dpi_win32.h"
#include "host/dpi_scale.h"

namespace host {

using common::SystemCall;

int WindowDpi(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    if (const auto call = SystemCall<GetDpiForWindowCall>("user32.dll", "GetDpiForWindow")) {
        const UINT dpi = window ? call(window) : 0;
        if (dpi != 0) return UsableDpi(static_cast<int>(dpi));
    }
    return UsableDpi(common::ScreenDpi());
}

int PrimaryMonitorDpi() { return UsableDpi(common::MonitorDpiAt(POINT{0, 0})); }

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
