// The system font for a FontInfo, at the resolution of the window it is shown in. Win32 only.
#pragma once
#include <windows.h>

#include "common/gdi_objects_win32.h"
#include "host/font_info.h"

namespace host {

// A new font for a window shown at dpi (not the system's DPI: a monitor may differ from it);
// an empty owner when the system refused.
common::GdiObject MakeFont(const FontInfo& wanted, int dpi);

}  // namespace host
