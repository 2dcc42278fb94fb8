// Opening and closing the renderer's window and its message handling (RendererWindowProc).
#include "renderer/render_window_win32.h"

#include "common/exchange_names.h"
#include "common/skip_on_error.h"
#include "renderer/monitors_win32.h"

namespace renderer {
namespace {
constexpr UINT_PTR kTitleTimerId = 1;
constexpr UINT kTitleTimerIntervalMs = 1000;
// WINE: the pointer's screen position still moves a moment after WM_DISPLAYCHANGE (the X server
// moves it, and its screen coordinates shift with the virtual screen's corner).
constexpr DWORD kPointerSettleMs = 2000;
}  // namespace

bool RenderWindow::Open() {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = &RenderWindow::WindowProc;
    wc.hInstance = module;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kRendererWindowClass;
    if (!class_.Register(wc)) return false;

    desk_ = CurrentDesk();
    layout_ = LayOutWindow(desk_);
    const ScreenRect area = layout_.window;  // a copy: the size notices of creation lay anew
    window_.Adopt(CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE | (layout_.isTopmost ? WS_EX_TOPMOST : 0),
                                  kRendererWindowClass, common::kRendererWindowTitle,
                                  WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, area.left, area.top,
                                  area.right - area.left, area.bottom - area.top, nullptr, nullptr, module, this));
    bool ready = window_.get() != nullptr;
    if (ready) ready = dc_.Acquire(window_.get());
    const PIXELFORMATDESCRIPTOR pfd = RendererPixelFormat();
    int format = 0;
    if (ready) ready = (format = ChoosePixelFormat(dc_.get(), &pfd)) != 0;
    if (ready) ready = SetPixelFormat(dc_.get(), format, &pfd) != FALSE;
    if (ready) ready = context_.CreateAndMakeCurrent(dc_.get());
    if (!ready) {
        Close();
        return false;
    }
    // One frame per vertical retrace where the driver offers it; where it does not, or does
    // not honour it, the frame loop holds frames to the refresh itself.
    swapWaitsOffered_ = SetSwapInterval(1);
    // Skipped by design: without a notification the flight never sleeps with the display, or
    // never spares power; a system that knows no battery or energy saver refuses theirs.
    displayNotice_.RegisterForDisplayState(window_.get());
    powerSourceNotice_.Register(window_.get(), common::PowerSetting::PowerSource);
    batterySaverNotice_.Register(window_.get(), common::PowerSetting::BatterySaver);
    energySaverNotice_.Register(window_.get(), common::PowerSetting::EnergySaver);
    // Skipped by design: without the timer a title changed by someone else stays changed.
    titleTimer_.Start(window_.get(), kTitleTimerId, kTitleTimerIntervalMs);
    ShowWindow(window_.get(), SW_SHOW);
    SetForegroundWindow(window_.get());
    SetFocus(window_.get());
    return true;
}

bool RenderWindow::CatchUpWithTheMonitors() {
    // A pointer that moved with the work area alone (the taskbar) moved by a hand.
    const Desk desk = CurrentDesk();
    if (SameMonitors(desk, desk_)) return false;
    LayOver(desk);
    return true;
}

void RenderWindow::LayOver(const Desk& desk) {
    desk_ = desk;
    layout_ = LayOutWindow(desk);
    const ScreenRect area = layout_.window;  // a copy: the size notice lays anew
    // The order in z moves too: above every other window while it spans monitors, back among
    // the ordinary ones, as it opened, once a single monitor is left.
    SetWindowPos(window_.get(), layout_.isTopmost ? HWND_TOPMOST : HWND_NOTOPMOST, area.left, area.top,
                 area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
    displaysChangedAtMs_ = GetTickCount();
}

bool RenderWindow::PointerSettling() const {
    // The difference of unsigned counts stays right across the counter's wrap.
    return displaysChangedAtMs_ && GetTickCount() - *displaysChangedAtMs_ < kPointerSettleMs;
}

void RenderWindow::Close() {
    context_.Reset();
    dc_.Reset();
    displayNotice_.Reset();
    powerSourceNotice_.Reset();
    batterySaverNotice_.Reset();
    energySaverNotice_.Reset();
    titleTimer_.Reset();
    window_.Reset();
    class_.Reset();
}

LRESULT CALLBACK RenderWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RenderWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const auto byDefault = [&] { return DefWindowProcA(window, message, wParam, lParam); };
    if (!self) return byDefault();
    // No exception reaches the system: a message whose handling failed gets the default.
    return common::HandleSkippingOnError([&] { return self->HandleMessage(window, message, wParam, lParam); }, byDefault);
}

LRESULT RenderWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return 0;
        case WM_SIZE: {
            // The pictures follow the window's size: the one-screen window's fills it whatever
            // its size, a monitor's stays where the monitor is.
            Desk resized = desk_;
            resized.oneScreenWidth = LOWORD(lParam);
            resized.oneScreenHeight = HIWORD(lParam);
            layout_ = LayOutWindow(resized);
            return 0;
        }
        case WM_DISPLAYCHANGE:
            // A monitor added, removed or given another resolution: the same window, context and
            // flight go on over the monitors there are now (one during creation is caught up
            // with later).
            if (window_.get()) LayOver(CurrentDesk());
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);  // the loop ends and closes the window in order
            return 0;
        case WM_KEYDOWN:
            keys_.Set(wParam, true);
            return 0;
        case WM_KEYUP:
            keys_.Set(wParam, false);
            return 0;
        case WM_POWERBROADCAST:
            if (const auto change = common::ReadPowerBroadcast(wParam, lParam)) {
                power_ = common::AfterPowerSetting(power_, change->setting, change->data, change->dataLength);
                return TRUE;
            }
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_TIMER:
            // Keeps the title the front end looks for, whatever else renamed the window.
            if (wParam == kTitleTimerId) SetWindowTextA(window, common::kRendererWindowTitle);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace renderer
