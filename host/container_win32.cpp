// Containers: surface, windowless controls, mouse routing and events; see container_win32.h.
#include "host/container_win32.h"

#include <windowsx.h>

#include <utility>

#include "common/gdi_objects_win32.h"
#include "host/control_win32.h"

namespace host {

namespace {

int ShiftOf(WPARAM wParam) {
    int shift = 0;
    if (wParam & MK_SHIFT) shift |= kShiftKey;
    if (wParam & MK_CONTROL) shift |= kCtrlKey;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltKey;
    return shift;
}

int ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: return kLeftButton;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: return kRightButton;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: return kMiddleButton;
        default: return 0;
    }
}

constexpr WPARAM kAnyButtonHeld = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

Container::Container(const ContainerContext& context, COLORREF background)
    : HostWindow(context.window), screenPointer_(context.screenPointer), background_(background) {}

Container::~Container() = default;

void Container::Cls() {
    surface_.Clear(background_);
    if (picture_) {
        const RECT whole{0, 0, picture_->widthPx(), picture_->heightPx()};
        surface_.PaintPicture(*picture_, whole, whole);
    }
}

void Container::SetPicture(std::shared_ptr<const Picture> picture) {
    picture_ = std::move(picture);
    Cls();
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Container::Refresh() {
    if (!window_) return;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

int Container::scaleWidthPx() const {
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    return client.right;
}

int Container::scaleHeightPx() const {
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    return client.bottom;
}

void Container::InvalidateArea(const RECT& area) {
    if (window_) InvalidateRect(window_, &area, FALSE);
}

void Container::SetDpi(int dpi) {
    SetSiteDpi(dpi);
    for (WindowlessControl* control : windowlessControls()) control->OnSiteDpiChanged();
    for (WindowedControl* control : windowedControls()) control->FollowSiteDpi();
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Container::PaintBackground(HDC target, const RECT& area) { surface_.ShowOn(target, area); }

void Container::Compose(HDC target, const RECT& area) {
    PaintBackground(target, area);
    for (const WindowlessControl* control : windowlessControls()) {
        RECT drawn = control->DrawnArea();
        RECT overlap;
        if (control->shown() && IntersectRect(&overlap, &drawn, &area)) control->Draw(target);
    }
}

void Container::Paint() {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window_, &paint);
    if (!screen) return;
    RunHandler(events.paint);
    // Composed off screen first, so the controls never flicker over the surface.
    const RECT& area = paint.rcPaint;
    common::MemoryDc composed(screen);
    common::GdiObject bitmap(CreateCompatibleBitmap(screen, scaleWidthPx(), scaleHeightPx()));
    if (composed.get() && bitmap.get()) {
        common::SelectedObject selected(composed.get(), bitmap.get());
        Compose(composed.get(), area);
        BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, composed.get(),
               area.left, area.top, SRCCOPY);
    } else {
        Compose(screen, area);
    }
    EndPaint(window_, &paint);
}

int Container::HitTest(POINT pointPx) const {
    for (size_t i = windowlessControls().size(); i-- > 0;) {
        if (windowlessControls()[i]->Contains(pointPx)) return static_cast<int>(i);
    }
    return PointerRouter::kWindowItself;
}

void Container::Deliver(int part, std::function<void(const MouseEvent&)> ControlEvents::*handler,
                        const MouseEvent& event) {
    if (part == PointerRouter::kWindowItself) {
        const auto& run = events.*handler;
        RunHandler([&] { if (run) run(event); });
        return;
    }
    if (part < 0 || static_cast<size_t>(part) >= windowlessControls().size()) return;
    const WindowlessControl& control = *windowlessControls()[static_cast<size_t>(part)];
    const RECT place = control.placePx();
    MouseEvent local = event;
    local.xPx -= place.left;
    local.yPx -= place.top;
    const auto& run = control.events.*handler;
    RunHandler([&] { if (run) run(local); });
}

void Container::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int hit = HitTest(point);
    MouseEvent event{ButtonOf(message), ShiftOf(wParam), point.x, point.y};
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            // The focus arrives before the press is reported, as a user expects of a button.
            if (event.button == kLeftButton && TakesFocusOnClick() && GetFocus() != window_) SetFocus(window_);
            // Held buttons keep reporting here, wherever the pointer goes.
            SetCapture(window_);
            Deliver(router_.Down(hit, event.button).target, &ControlEvents::mouseDown, event);
            return;
        }
        case WM_MOUSEMOVE:
            Deliver(router_.Move(hit).target, &ControlEvents::mouseMove, event);
            return;
        default: {
            const PointerRouter::Delivery delivery = router_.Up(hit, event.button);
            if ((wParam & kAnyButtonHeld) == 0 && GetCapture() == window_) ReleaseCapture();
            Deliver(delivery.target, &ControlEvents::mouseUp, event);
            if (!delivery.click) return;
            if (delivery.target == PointerRouter::kWindowItself) {
                RunHandler(events.click);
            } else if (static_cast<size_t>(delivery.target) < windowlessControls().size()) {
                RunHandler(windowlessControls()[static_cast<size_t>(delivery.target)]->events.click);
            }
            return;
        }
    }
}

bool Container::SetPointer(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return false;
    // The hourglass covers every form and control of the program while it is set.
    if (screenPointer_ == ScreenPointer::Hourglass) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return true;
    }
    POINT point;
    if (!GetCursorPos(&point) || !ScreenToClient(window_, &point)) return false;
    const int hit = HitTest(point);
    if (hit == PointerRouter::kWindowItself) return false;
    HCURSOR pointer = windowlessControls()[static_cast<size_t>(hit)]->pointer;
    if (!pointer) return false;
    SetCursor(pointer);
    return true;
}

void Container::SizeSurface(int widthPx, int heightPx) {
    const bool firstSize = surface_.dc() == nullptr;
    // Skipped by design: without a surface the window shows nothing it drew.
    surface_.Resize(window_, widthPx, heightPx, background_);
    if (firstSize) Cls();
}

void Container::OnCreated() { SizeSurface(scaleWidthPx(), scaleHeightPx()); }

void Container::CreateAsChild(HWND parent, const RECT& place) {
    if (window_) return;
    if (!CreateHostWindow(0, kControlClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          place, parent)) {
        return;
    }
    CreateChildWindows();
    ArmTimers();
}

void Container::CreateChildWindows() {
    for (WindowedControl* control : windowedControls()) control->CreateIn(window_);
}

LRESULT Container::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PRINTCLIENT: {
            RECT client{0, 0, scaleWidthPx(), scaleHeightPx()};
            Compose(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_SIZE:
            SizeSurface(LOWORD(lParam), HIWORD(lParam));
            OnResized();
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == window_ && SetPointer(lParam)) return TRUE;
            break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window_) router_.LoseMouse();
            return 0;
        case WM_SETFOCUS:
            RunHandler(events.gotFocus);
            return 0;
        case WM_KILLFOCUS:
            RunHandler(events.lostFocus);
            return 0;
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        case WM_MOUSEMOVE:
            RouteMouse(message, wParam, lParam);
            return 0;
        default:
            break;
    }
    return HostWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace host
