// The system font for a FontInfo, at the screen's resolution. Win32 only.
#pragma once
#include <windows.h>

#include "host/font_info.h"

// A new font the caller deletes; nothing when the system refused.
HFONT MakeFont(const FontInfo& wanted);
