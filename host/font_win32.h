// The system font for a FontInfo, at the screen's resolution. Win32 only.
#pragma once
#include <windows.h>

#include "common/gdi_objects_win32.h"
#include "host/font_info.h"

namespace host {

// A new font; an empty owner when the system refused.
common::GdiObject MakeFont(const FontInfo& wanted);

}  // namespace host
