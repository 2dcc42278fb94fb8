// Opening and closing the renderer's window and its message handling (RendererWindowProc).
#include "render_window_win32.h"

#include "host/skip_on_error.h"

namespace tunnel {
namespace {
constexpr UINT_PTR kTitleTimerId = 1;
constexpr UINT kTitleTimerIntervalMs = 1000;
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

    // NOTE: the height adds a caption's height to the maximised size, so the borderless
    // window reaches past the bottom of the screen. Separate statements keep the queries in
    // this order; the operands of + may be evaluated either way round.
    const int width = GetSystemMetrics(SM_CXMAXIMIZED);
    const int maximisedHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
    const int height = maximisedHeight + captionHeight;

    window_.Adopt(CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, kRendererWindowClass, host::kRendererWindowTitle,
                                  WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, width, height, nullptr,
                                  nullptr, module, this));
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
    return true;
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
    return host::HandleSkippingOnError([&] { return self->HandleMessage(window, message, wParam, lParam); }, byDefault);
}

LRESULT RenderWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return 0;
        case WM_SIZE:
            // A size notice during creation comes before the context is current: no effect.
            if (context_.current()) SetProjection(LOWORD(lParam), HIWORD(lParam));
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
            if (wParam == kTitleTimerId) SetWindowTextA(window, host::kRendererWindowTitle);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace tunnel
