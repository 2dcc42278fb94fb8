// Persistent drawing surfaces; see drawing_surface_win32.h.
#include "host/drawing_surface_win32.h"

#include <algorithm>
#include <utility>

#include "host/picture_win32.h"

namespace host {

bool DrawingSurface::Resize(HWND window, int widthPx, int heightPx, COLORREF fill) {
    widthPx = std::max(widthPx, 1);
    heightPx = std::max(heightPx, 1);
    if (canvas_ && widthPx == width_ && heightPx == height_) return true;
    common::WindowDc screen(window);
    auto canvas = std::make_unique<Canvas>(screen.get(), widthPx, heightPx);
    if (!canvas->bitmap.get()) return false;
    RECT all{0, 0, widthPx, heightPx};
    common::GdiObject brush(CreateSolidBrush(fill));
    FillRect(canvas->dc.get(), &all, static_cast<HBRUSH>(brush.get()));
    if (canvas_) {
        BitBlt(canvas->dc.get(), 0, 0, std::min(width_, widthPx), std::min(height_, heightPx), canvas_->dc.get(), 0,
               0, SRCCOPY);
    }
    canvas_ = std::move(canvas);
    width_ = widthPx;
    height_ = heightPx;
    return true;
}

void DrawingSurface::Clear(COLORREF colour) {
    HDC surface = dc();
    if (!surface) return;
    RECT all{0, 0, width_, height_};
    common::GdiObject brush(CreateSolidBrush(colour));
    FillRect(surface, &all, static_cast<HBRUSH>(brush.get()));
}

bool DrawingSurface::Line(int x1, int y1, int x2, int y2, COLORREF colour) {
    HDC surface = dc();
    if (!surface) return false;
    common::GdiObject pen(CreatePen(PS_SOLID, 1, colour));
    common::SelectedObject selected(surface, pen.get());
    return MoveToEx(surface, x1, y1, nullptr) && LineTo(surface, x2, y2);
}

bool DrawingSurface::PaintPicture(const Picture& picture, const RECT& destination, const RECT& source) {
    HDC surface = dc();
    return surface && picture.CopyTo(surface, destination, source);
}

void DrawingSurface::ShowOn(HDC target, const RECT& area) const {
    HDC surface = dc();
    if (!surface) return;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, surface, area.left,
           area.top, SRCCOPY);
}

}  // namespace host
