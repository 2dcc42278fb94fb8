// The DPI a window is shown at, and the frame that gives a client area of a size at a DPI,
// through the per-monitor calls where the system has them (Windows 10 from 1607) and the
// screen's one DPI where it has not. Win32 only.
#pragma once
#include <windows.h>

namespace host {

// The DPI of the monitor the window is on; the screen's DPI on an older system.
int WindowDpi(HWND window);
// The DPI of the primary monitor, where a new form first opens.
int PrimaryMonitorDpi();
// The outer size of a window of this style whose client area is clientWidth x clientHeight
// pixels on a monitor of dpi (its caption and borders at that DPI too).
SIZE FrameSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace host
