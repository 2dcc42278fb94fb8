// User controls; see user_control_win32.h.
#include "host/user_control_win32.h"

namespace host {

UserControl::UserControl(Container& container, const TwipsRect& place)
    : Container(container.containerContext(), GetSysColor(COLOR_BTNFACE)), WindowedControl(container, place) {
    SetControlsFont(container.controlsFont());
    SetSiteDpi(container.dpi());
}

void UserControl::FollowSiteDpi() {
    SetDpi(site().dpi());
    Move(place_);
}

void UserControl::SetBackStyle(int16_t style) {
    backStyle_ = style == kTransparentBackground ? kTransparentBackground : kOpaqueBackground;
    if (window()) InvalidateRect(window(), nullptr, FALSE);
}

void UserControl::PropertyChanged(std::wstring_view name) {
    if (propertyChangedSink) propertyChangedSink(name);
}

void UserControl::RaiseEvent(const std::function<void()>& containerHandler) { RunHandler(containerHandler); }

void UserControl::CreateIn(HWND parent) { CreateAsChild(parent, placePx()); }

void UserControl::PaintBackground(HDC target, const RECT& area) {
    if (backStyle_ == kOpaqueBackground) {
        Container::PaintBackground(target, area);
        return;
    }
    // What the container shows at this place: its surface and windowless controls.
    HWND parent = GetParent(window());
    POINT origin{0, 0};
    MapWindowPoints(window(), parent, &origin, 1);
    POINT previous;
    OffsetViewportOrgEx(target, -origin.x, -origin.y, &previous);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target), PRF_CLIENT);
    SetViewportOrgEx(target, previous.x, previous.y, nullptr);
}

}  // namespace host
