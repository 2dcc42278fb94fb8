// Persistent drawing surfaces; see drawing_surface_win32.h.
#include "host/drawing_surface_win32.h"

#include <algorithm>

#include "host/picture_win32.h"

DrawingSurface::~DrawingSurface() { Release(); }

void DrawingSurface::Release() {
    if (dc_) {
        SelectObject(dc_, originalBitmap_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    originalBitmap_ = nullptr;
}

bool DrawingSurface::Resize(HWND window, int widthPx, int heightPx, COLORREF fill) {
    widthPx = std::max(widthPx, 1);
    heightPx = std::max(heightPx, 1);
    if (dc_ && widthPx == width_ && heightPx == height_) return true;
    WindowDc screen(window);
    HDC dc = CreateCompatibleDC(screen.get());
    HBITMAP bitmap = dc ? CreateCompatibleBitmap(screen.get(), widthPx, heightPx) : nullptr;
    if (!bitmap) {
        if (dc) DeleteDC(dc);
        return false;
    }
    HGDIOBJ original = SelectObject(dc, bitmap);
    RECT all{0, 0, widthPx, heightPx};
    GdiObject brush(CreateSolidBrush(fill));
    FillRect(dc, &all, static_cast<HBRUSH>(brush.get()));
    if (dc_) BitBlt(dc, 0, 0, std::min(width_, widthPx), std::min(height_, heightPx), dc_, 0, 0, SRCCOPY);
    Release();
    dc_ = dc;
    bitmap_ = bitmap;
    originalBitmap_ = original;
    width_ = widthPx;
    height_ = heightPx;
    return true;
}

void DrawingSurface::Clear(COLORREF colour) {
    if (!dc_) return;
    RECT all{0, 0, width_, height_};
    GdiObject brush(CreateSolidBrush(colour));
    FillRect(dc_, &all, static_cast<HBRUSH>(brush.get()));
}

bool DrawingSurface::Line(int x1, int y1, int x2, int y2, COLORREF colour) {
    if (!dc_) return false;
    GdiObject pen(CreatePen(PS_SOLID, 1, colour));
    SelectedObject selected(dc_, pen.get());
    return MoveToEx(dc_, x1, y1, nullptr) && LineTo(dc_, x2, y2);
}

bool DrawingSurface::PaintPicture(const Picture& picture, const RECT& destination, const RECT& source) {
    return dc_ && picture.CopyTo(dc_, destination, source);
}

void DrawingSurface::ShowOn(HDC target, const RECT& area) const {
    if (!dc_) return;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_,
           area.left, area.top, SRCCOPY);
}
