// Host windows and their timers; see host_window_win32.h.
#include "host/host_window_win32.h"

#include "common/skip_on_error.h"

namespace host {

bool HostTimer::Carry(TimerCommand command) {
    HWND window = owner_.window();
    if (!window) return true;  // armed when the window is created
    if (command == TimerCommand::Arm) {
        refusedBySystem_ = SetTimer(window, id_, switch_.intervalMs(), nullptr) == 0;
    } else if (command == TimerCommand::Disarm) {
        KillTimer(window, id_);
        refusedBySystem_ = false;
    }
    return !refusedBySystem_;
}

bool HostTimer::SetEnabled(bool enabled) { return Carry(switch_.SetEnabled(enabled)); }

bool HostTimer::SetInterval(uint32_t intervalMs) { return Carry(switch_.SetInterval(intervalMs)); }

HostWindow::~HostWindow() {
    if (window_) {
        // The object goes first: the window's last messages find nothing to call.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

HostWindow* HostWindow::FromWindow(HWND window) {
    if (!window) return nullptr;
    const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (procedure != WindowProc) return nullptr;
    return reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool HostWindow::MoveFocusOnTab(bool) { return false; }

HostTimer& HostWindow::AddTimer(uint32_t intervalMs, bool enabled, std::function<void()> onTick) {
    timers_.push_back(HostTimer(*this, timers_.size() + 1, TimerSwitch(intervalMs, enabled), std::move(onTick)));
    HostTimer& timer = timers_.back();
    if (window_) timer.Carry(timer.switch_.OnWindowCreated());
    return timer;
}

void HostWindow::RunHandler(const std::function<void()>& handler) { host::RunHandler(context_.gate, handler); }

namespace {

// Private to the host's windows: run the oldest work of RunLater.
constexpr UINT kRunLaterMessage = WM_APP + 0x51;

}  // namespace

void HostWindow::RunLater(std::function<void()> work) {
    if (!window_) return;
    later_.push_back(std::move(work));
    if (!PostMessageA(window_, kRunLaterMessage, 0, 0)) later_.pop_back();
}

bool HostWindow::ArmTimers() {
    bool allArmed = true;
    for (HostTimer& timer : timers_) allArmed = timer.Carry(timer.switch_.OnWindowCreated()) && allArmed;
    return allArmed;
}

bool HostWindow::CreateHostWindow(DWORD exStyle, const char* className, const char* title, DWORD style,
                                  const RECT& place, HWND parent) {
    CreateWindowExA(exStyle, className, title, style, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, parent, nullptr, context_.instance, this);
    if (!window_) return false;
    OnCreated();
    return true;
}

LRESULT CALLBACK HostWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<HostWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    // A message whose handling failed gets the system's default.
    const LRESULT result = common::HandleSkippingOnError([&] { return self->HandleMessage(message, wParam, lParam); },
                                                 [&] { return DefWindowProcA(window, message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

LRESULT HostWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        for (HostTimer& timer : timers_) {
            if (timer.id_ != wParam) continue;
            // NOTE: a tick that finds a handler running is dropped, not queued.
            if (!timer.switch_.IsRunning() || context_.gate.IsHandlerRunning() || !AcceptsTicks()) return 0;
            RunHandler(timer.onTick_);
            return 0;
        }
        return 0;
    }
    if (message == kRunLaterMessage) {
        if (later_.empty()) return 0;
        const std::function<void()> work = std::move(later_.front());
        later_.pop_front();
        if (!context_.gate.IsHandlerRunning()) RunHandler(work);
        return 0;
    }
    if (message == WM_GETOBJECT && answerAccessibleObject) {
        if (const LRESULT answer = answerAccessibleObject(wParam, lParam)) return answer;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace host
