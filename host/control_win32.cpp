// Controls on a container; see control_win32.h.
#include "host/control_win32.h"

#include <algorithm>

#include "host/container_win32.h"

RECT Control::placePx() const {
    const PixelRect px = PixelsOf(place_);
    return RECT{px.left, px.top, px.right, px.bottom};
}

WindowlessControl::WindowlessControl(Container& container, const TwipsRect& place) : Control(container, place) {
    container_.windowless_.push_back(this);
    Invalidate();
}

WindowlessControl::~WindowlessControl() {
    auto& list = container_.windowless_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    Invalidate();
}

void WindowlessControl::Invalidate() const { container_.InvalidateArea(DrawnArea()); }

void WindowlessControl::Move(const TwipsRect& place) {
    Invalidate();
    place_ = place;
    Invalidate();
}

void WindowlessControl::SetShown(bool shown) {
    shown_ = shown;
    Invalidate();
}

bool WindowlessControl::Contains(POINT pointPx) const {
    const RECT place = placePx();
    return shown_ && PtInRect(&place, pointPx);
}

WindowedControl::WindowedControl(Container& container, const TwipsRect& place) : Control(container, place) {
    container_.windowed_.push_back(this);
}

WindowedControl::~WindowedControl() {
    auto& list = container_.windowed_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

bool WindowedControl::CanTakeFocus() const {
    HWND window = controlWindow();
    return tabStop && shown_ && window && IsWindowEnabled(window);
}

void WindowedControl::Move(const TwipsRect& place) {
    place_ = place;
    const RECT px = placePx();
    if (HWND window = controlWindow()) MoveWindow(window, px.left, px.top, px.right - px.left, px.bottom - px.top, TRUE);
}

void WindowedControl::SetShown(bool shown) {
    shown_ = shown;
    if (HWND window = controlWindow()) ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}
