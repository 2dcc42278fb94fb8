// Opening and closing the renderer's window and its message handling (RendererWindowProc).
#include "renderer/render_window_win32.h"

#include "common/skip_on_error.h"

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

    const WindowLayout layout = CurrentWindowLayout();
    const ScreenRect& area = layout.window;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // NOTE: over several monitors the window stays above all others: the system takes a window
    // as full screen on one monitor only, and the taskbars of the rest would stay above it.
    window_.Adopt(CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE | (layout.SpansMonitors() ? WS_EX_TOPMOST : 0),
                                  kRendererWindowClass, common::kRendererWindowTitle,
                                  WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, area.left, area.top, width, height,
                                  nullptr, nullptr, module, this));
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
    // Skipped by design: without the notification the flight never sleeps with the display.
    displayNotice_.Register(window_.get());

    SetTimer(window_.get(), kTitleTimerId, kTitleTimerIntervalMs, nullptr);
    ShowWindow(window_.get(), SW_SHOW);
    SetForegroundWindow(window_.get());
    SetFocus(window_.get());
    SetProjection(width, height);
    scene_.Prepare(texturePath_);
    scene_.SetViewports(layout.viewports);
    layout_ = layout;
    return true;
}

bool RenderWindow::CatchUpWithTheMonitors() {
    if (!context_.current()) return false;
    const WindowLayout layout = CurrentWindowLayout();
    if (layout == layout_) return false;
    LayOver(layout);
    return true;
}

void RenderWindow::LayOver(const WindowLayout& layout) {
    const ScreenRect& area = layout.window;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // The order in z moves too: above every other window while it spans monitors, back among
    // the ordinary ones, as it opened, once a single monitor is left.
    SetWindowPos(window_.get(), layout.SpansMonitors() ? HWND_TOPMOST : HWND_NOTOPMOST, area.left, area.top, width,
                 height, SWP_NOACTIVATE);
    // A window whose size did not change gets no size notice, yet may have drawn per monitor.
    SetProjection(width, height);
    scene_.SetViewports(layout.viewports);
    layout_ = layout;
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
        case WM_SIZE:
            // A size notice during creation comes before the context is current: no effect.
            if (context_.current()) SetProjection(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DISPLAYCHANGE:
            // A monitor added, removed or given another resolution: the same window, context and
            // flight go on over the monitors there are now.
            if (context_.current()) LayOver(CurrentWindowLayout());
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
            if (const auto run = DisplayRunForBroadcast(wParam, lParam)) {
                displayAsleep_ = *run == DisplayRun::Sleep;
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
