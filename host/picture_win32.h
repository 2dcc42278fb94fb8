// A stored picture as the host draws it: a device-independent bitmap made once from the
// picture's pixels and shared by every image or picture box that shows it. Win32 only.
#pragma once
#include <windows.h>

#include <memory>
#include <utility>

#include "common/gdi_objects_win32.h"
#include "host/stored_picture.h"

namespace host {

class Picture {
  public:
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Nothing when the system cannot make the bitmap.
    static std::shared_ptr<const Picture> FromStored(const StoredPicture& picture);
    // A 24-bit bitmap file kept as an RCDATA resource of the module; nothing when it is
    // missing or damaged.
    static std::shared_ptr<const Picture> FromBitmapResource(HINSTANCE module, const char* name);
    // The same picture as shown at dpi: scaled smoothly by the one rule (picture_scaling.h).
    static std::shared_ptr<const Picture> FromBitmapResourceAt(HINSTANCE module, const char* name, int dpi);
    // A picture file in a format the system's picture loader reads (a JPEG), kept as an
    // RCDATA resource of the module; nothing when it is missing or cannot be decoded.
    static std::shared_ptr<const Picture> FromEncodedResource(HINSTANCE module, const char* name);

    int widthPx() const { return width_; }
    int heightPx() const { return height_; }

    // Copies the source rectangle of the picture to the destination rectangle of target,
    // stretching when their sizes differ; false when the system refused.
    bool CopyTo(HDC target, const RECT& destination, const RECT& source) const;

  private:
    Picture(common::GdiObject bitmap, int width, int height) : bitmap_(std::move(bitmap)), width_(width), height_(height) {}
    common::GdiObject bitmap_;
    int width_;
    int height_;
};

}  // namespace host
