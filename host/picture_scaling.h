// A stored picture made larger or smaller for a display of another DPI, smoothly: each new
// pixel is the average of the old pixels it covers, weighted by how much of each it covers.
// A whole-number enlargement repeats every pixel exactly, so 200 % stays as sharp as the
// picture; a fractional one softens an edge by at most one pixel, never doubling some rows
// and not others as a nearest-pixel copy would. Portable.
#pragma once
#include "host/stored_picture.h"

namespace host {

// The picture at width x height; an empty picture for sides that are not positive or a
// picture that does not hold its own rows.
StoredPicture ScaledSmoothly(const StoredPicture& picture, int width, int height);

// The picture as it is shown at dpi: each side scaled by the one rule of dpi_scale.h.
StoredPicture PictureAtDpi(const StoredPicture& picture, int dpi);

}  // namespace host
