// Forms; see form_win32.h.
#include "host/form_win32.h"

#include <optional>
#include <vector>

#include "common/skip_on_error.h"
#include "host/control_win32.h"
#include "host/display_dpi_win32.h"
#include "host/focus_order.h"
#include "host/twips.h"

namespace host {

namespace {

DWORD StyleOf(const FormLook& look) {
    return (look.hasCaption ? (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) : WS_POPUP) |
           WS_CLIPCHILDREN;
}

BOOL CALLBACK CollectEnabledWindows(HWND window, LPARAM param) {
    // A window that cannot be listed stays enabled, and the listing stops there.
    return common::HandleSkippingOnError(
        [&] {
            if (IsWindowVisible(window) && IsWindowEnabled(window)) {
                reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
            }
            return TRUE;
        },
        [] { return FALSE; });
}

// Turns the thread's other windows off while a modal form runs, and on again after.
class OtherWindowsDisabled {
  public:
    explicit OtherWindowsDisabled(HWND modal) {
        EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindows, reinterpret_cast<LPARAM>(&disabled_));
        for (HWND window : disabled_) {
            if (window != modal) EnableWindow(window, FALSE);
        }
    }
    ~OtherWindowsDisabled() {
        for (HWND window : disabled_) {
            if (IsWindow(window)) EnableWindow(window, TRUE);
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

  private:
    std::vector<HWND> disabled_;
};

}  // namespace

Form::Form(FormHost& host, std::string title, FormLook look, FormHandlers handlers)
    : Container(ContainerContext{WindowContext{host.instance(), host.gate()}, host.screenPointer()}, look.background),
      host_(host), title_(std::move(title)), look_(look), life_(std::move(handlers), host.gate()) {
    SetControlsFont(look_.font);
}

Form::~Form() {
    if (window_) DestroyWindowOnPurpose();
    NoteUnloaded();
}

bool Form::Load() {
    if (IsLoaded()) return true;
    if (!window_) {
        // A new form opens on the primary monitor and is laid out at its DPI from the start.
        SetDpi(PrimaryMonitorDpi());
        const SIZE frame = FrameSizeAt(dpi());
        const int width = frame.cx;
        const int height = frame.cy;
        const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        if (!CreateHostWindow(0, kFormClassName, title_.c_str(), StyleOf(look_),
                              RECT{left, top, left + width, top + height}, nullptr)) {
            return false;
        }
        // NOTE: the system gives a caption to any top-level window created without WS_POPUP, so
        // a borderless form is created as a popup and then drops the bit. Without it the form is
        // a plain frameless window that adding WS_CHILD alone turns into a proper child (the
        // preview in its host): GetParent answers a popup with its owner, not its parent.
        if (!look_.hasCaption) SetWindowLongA(window_, GWL_STYLE, GetWindowLongA(window_, GWL_STYLE) & ~WS_POPUP);
        const int shownAt = WindowDpi(window_);
        if (shownAt != dpi()) {
            SetDpi(shownAt);
            const SIZE resized = FrameSizeAt(shownAt);
            SetWindowPos(window_, nullptr, 0, 0, resized.cx, resized.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        FitClientToDpi();
        CreateChildWindows();
    }
    ArmTimers();
    countedAsLoaded_ = true;
    resizedSinceLoad_ = false;
    host_.NoteFormLoaded();
    life_.Load();
    return IsLoaded();
}

void Form::Show() {
    if (!Load()) return;
    ShowWindow(window_, SW_SHOW);
    ResizeOnFirstShow();
    FocusFirst();
}

void Form::ShowModal() {
    if (!Load()) return;
    OtherWindowsDisabled others(window_);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    ResizeOnFirstShow();
    FocusFirst();
    HandlerGate::ModalLevel modal(host_.gate());
    while (IsLoaded() && host_.PumpOneMessage()) {
    }
}

void Form::Unload() {
    if (life_.RequestUnload(UnloadReason::Program)) DestroyWindowOnPurpose();
}

void Form::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SetWindowTextA(window_, title_.c_str());
}

void Form::MoveTwips(int left, int top, int width, int height) {
    if (!window_) return;
    MoveWindow(window_, TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height), TRUE);
}

SIZE Form::OuterSizeTwips() const {
    RECT frame{};
    if (window_) GetWindowRect(window_, &frame);
    return SIZE{PixelsToTwips(frame.right - frame.left), PixelsToTwips(frame.bottom - frame.top)};
}

bool Form::MoveFocusOnTab(bool forward) {
    if (focusOrder_.empty()) return false;
    HWND focused = GetFocus();
    std::optional<size_t> current;
    std::vector<bool> canTakeFocus;
    for (size_t i = 0; i < focusOrder_.size(); ++i) {
        HWND control = focusOrder_[i]->controlWindow();
        if (focused && control && (focused == control || IsChild(control, focused))) current = i;
        canTakeFocus.push_back(focusOrder_[i]->CanTakeFocus());
    }
    const std::optional<size_t> next = NextInFocusOrder(canTakeFocus, current, forward);
    if (!next) return false;
    SetFocus(focusOrder_[*next]->controlWindow());
    return true;
}

void Form::OnResized() {
    if (!IsLoaded()) return;
    resizedSinceLoad_ = true;
    life_.Resized();
}

void Form::ResizeOnFirstShow() {
    // NOTE: a window created hidden need not get a size notice before it is shown; the
    // handler runs here once if none came since the load.
    if (!resizedSinceLoad_) OnResized();
}

SIZE Form::FrameSizeAt(int dpi) const {
    return FrameSizeForClient(ScaleToDpi(look_.clientWidthPx, dpi), ScaleToDpi(look_.clientHeightPx, dpi),
                              StyleOf(look_), 0, dpi);
}

void Form::LayOutAgainAt(int dpi, const RECT& suggested) {
    SetDpi(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientToDpi();
    if (IsLoaded()) RunHandler(events.dpiChanged);
}

void Form::FitClientToDpi() {
    if (!window_ || look_.clientWidthPx <= 0 || look_.clientHeightPx <= 0) return;
    RECT client{};
    RECT frame{};
    if (!GetClientRect(window_, &client) || !GetWindowRect(window_, &frame)) return;
    const int wantedWidth = ScaleToDpi(look_.clientWidthPx, dpi());
    const int wantedHeight = ScaleToDpi(look_.clientHeightPx, dpi());
    if (client.right == wantedWidth && client.bottom == wantedHeight) return;
    // WINE: a window's caption and borders keep the system's DPI whatever the window's, so the
    // frame computed for another DPI is off by their difference; on Windows this changes nothing.
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + wantedWidth - client.right,
                 frame.bottom - frame.top + wantedHeight - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::FocusFirst() {
    for (WindowedControl* control : focusOrder_) {
        if (control->CanTakeFocus()) {
            SetFocus(control->controlWindow());
            return;
        }
    }
}

void Form::DestroyWindowOnPurpose() {
    destroyingOnPurpose_ = true;
    if (window_) DestroyWindow(window_);
    destroyingOnPurpose_ = false;
    NoteUnloaded();
}

void Form::NoteUnloaded() {
    if (!countedAsLoaded_) return;
    countedAsLoaded_ = false;
    host_.NoteFormUnloaded();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            if (life_.RequestUnload(UnloadReason::UserClose)) DestroyWindowOnPurpose();
            return 0;
        case WM_QUERYENDSESSION:
            return life_.QueryUnload(UnloadReason::SessionEnd) ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam && life_.CompleteUnload()) DestroyWindowOnPurpose();
            return 0;
        case WM_POWERBROADCAST:
            if (const auto change = common::ReadPowerBroadcast(wParam, lParam); change && powerSettingChange_) {
                RunHandler([&] { powerSettingChange_(*change); });
            }
            return TRUE;
        case WM_GETDPISCALEDSIZE: {
            // The system asks what size the form takes at the new DPI, before it suggests a
            // rectangle: the described client at that DPI, not a stretched frame.
            const SIZE frame = FrameSizeAt(UsableDpi(static_cast<int>(wParam)));
            *reinterpret_cast<SIZE*>(lParam) = frame;
            return TRUE;
        }
        case WM_DPICHANGED:
            LayOutAgainAt(UsableDpi(HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            // Destroyed from outside, with a parent window of another program: the form
            // unloads without being asked.
            if (!destroyingOnPurpose_) {
                life_.WindowGone();
                NoteUnloaded();
            }
            return 0;
        default:
            return Container::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace host
