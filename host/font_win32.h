// The system font for a FontSpec, at the screen's resolution. Win32 only.
#pragma once
#include <windows.h>

#include "host/font_spec.h"

// A new font the caller deletes; nothing when the system refused.
HFONT MakeFont(const FontSpec& spec);
