// The persistent drawing surface of a form, picture box or user control: what is drawn
// on it stays, and is shown again whenever the window is repainted. Drawing is in pixels
// of the window's client area. Win32 only.
#pragma once
#include <windows.h>

#include <memory>

#include "common/gdi_objects_win32.h"

namespace host {

class Picture;

class DrawingSurface {
  public:
    DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // Makes the surface the client size of window, keeping what was drawn; new area
    // takes the fill colour. False when the system gave no bitmap.
    bool Resize(HWND window, int widthPx, int heightPx, COLORREF fill);

    HDC dc() const { return canvas_ ? canvas_->dc.get() : nullptr; }
    int widthPx() const { return width_; }
    int heightPx() const { return height_; }

    void Clear(COLORREF colour);
    // A line from (x1, y1) up to, not including, (x2, y2).
    bool Line(int x1, int y1, int x2, int y2, COLORREF colour);
    bool PaintPicture(const Picture& picture, const RECT& destination, const RECT& source);
    // Shows the area of the surface on target at the same place.
    void ShowOn(HDC target, const RECT& area) const;

  private:
    // A memory DC with its bitmap selected into it. Members go in reverse: the bitmap is
    // selected out, then deleted, then the DC.
    struct Canvas {
        Canvas(HDC screen, int widthPx, int heightPx)
            : dc(screen), bitmap(dc.get() ? CreateCompatibleBitmap(screen, widthPx, heightPx) : nullptr),
              selected(dc.get(), bitmap.get()) {}
        common::MemoryDc dc;
        common::GdiObject bitmap;
        common::SelectedObject selected;
    };

    std::unique_ptr<Canvas> canvas_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace host
