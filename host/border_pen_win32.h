// The pen of a one-pixel border as drawn at 96 DPI, as wide as the one rule makes it at the
// window's DPI, and drawn inside the rectangle it frames. Win32 only.
#pragma once
#include <windows.h>

#include "common/gdi_objects_win32.h"
#include "host/dpi_scale.h"

namespace host {

inline common::GdiObject BorderPen(COLORREF colour, int dpi) {
    const int width = ScaleToDpi(1, dpi);
    // NOTE: a wider plain pen is centred on the frame's line and would stick out of the place
    // by half its width; the one-pixel pen is the same either way.
    return common::GdiObject(CreatePen(width > 1 ? PS_INSIDEFRAME : PS_SOLID, width, colour));
}

}  // namespace host
