// Pictures kept in an encoded file format (the preview's JPEG), decoded by the system's own
// picture loader (OleLoadPicture over a stream on the bytes) and drawn once into a 24-bit
// device-independent bitmap. Win32 only; the host has no decoder of its own.
#pragma once
#include <windows.h>

#include <cstddef>

#include "common/gdi_objects_win32.h"

namespace host {

struct DecodedBitmap {
    common::GdiObject bitmap;  // a 24-bit DIB section; empty on failure
    int widthPx = 0;
    int heightPx = 0;
};

// Nothing when the system cannot read the bytes as a picture, the picture is not a bitmap
// (a metafile or an icon), or the bitmap cannot be made.
DecodedBitmap DecodeWithSystemLoader(const void* bytes, size_t size);

}  // namespace host
