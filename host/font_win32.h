// The system font for a FontInfo, at the screen's resolution. Win32 only.
#pragma once
#include <windows.h>

#include "host/font_info.h"
#include "host/gdi_objects_win32.h"

namespace host {

// A new font; an empty owner when the system refused.
GdiObject MakeFont(const FontInfo& wanted);

}  // namespace host
