// Reading the system's monitors for the window layout. The program declares itself aware of
// each monitor's DPI (tunnel.manifest), so every rectangle here is in real pixels.
#include "renderer/monitors_win32.h"

#include <windows.h>

#include <vector>

#include "common/skip_on_error.h"

namespace renderer {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    // Skipped by design: a monitor that cannot be read gets no picture of its own.
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    auto* rects = reinterpret_cast<std::vector<ScreenRect>*>(found);
    // No exception reaches the system: a monitor that could not be kept ends the enumeration.
    return common::HandleSkippingOnError(
        [&] {
            rects->push_back({r.left, r.top, r.right, r.bottom});
            return TRUE;
        },
        [] { return FALSE; });
}

}  // namespace

Desk CurrentDesk() {
    Desk desk;
    // NOTE: the height adds a caption's height to the maximised size, so the borderless
    // one-screen window reaches past the bottom of the screen. Separate statements keep the
    // queries in this order; the operands of + may be evaluated either way round.
    desk.oneScreenWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    desk.oneScreenHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    desk.oneScreenHeight += GetSystemMetrics(SM_CYCAPTION);
    // Skipped by design: an enumeration that fails keeps the monitors found so far, and none
    // at all gives the one-screen window.
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&desk.monitors));
    return desk;
}

}  // namespace renderer
