// Controls on a container; see control_win32.h.
#include "host/control_win32.h"

#include <algorithm>

namespace host {

RECT Control::placePx() const {
    const PixelRect px = PixelsOf(place_, site_.dpi());
    return RECT{px.left, px.top, px.right, px.bottom};
}

WindowlessControl::WindowlessControl(ControlSite& site, const TwipsRect& place) : Control(site, place) {
    site_.windowless_.push_back(this);
    Invalidate();
}

WindowlessControl::~WindowlessControl() {
    auto& list = site_.windowless_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    Invalidate();
}

void WindowlessControl::Invalidate() const { site_.InvalidateArea(DrawnArea()); }

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

WindowedControl::WindowedControl(ControlSite& site, const TwipsRect& place) : Control(site, place) {
    site_.windowed_.push_back(this);
}

WindowedControl::~WindowedControl() {
    auto& list = site_.windowed_;
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

}  // namespace host
