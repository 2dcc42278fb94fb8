// The one way the host makes a picture's bitmap: a 24-bit device-independent section, rows
// bottom-up and padded to 4 bytes as a stored picture's are, that the caller can write
// into. Win32 only.
#pragma once
#include <windows.h>

#include "common/gdi_objects_win32.h"

namespace host {

struct DibSection {
    common::GdiObject bitmap;      // empty when the system could not make it
    void* bits = nullptr;  // the pixel rows, while the bitmap lives
};

DibSection MakeDibSection(int widthPx, int heightPx);

}  // namespace host
