// The form host on Win32; see form_host_win32.h.
#include "host/form_host_win32.h"

#include <vector>

#include "host/twips.h"

namespace {

constexpr const char* kFormClassName = "VaporquillForm";

DWORD StyleOf(const FormLook& look) {
    return look.hasCaption ? (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) : WS_POPUP;
}

BOOL CALLBACK CollectEnabledWindows(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
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

// One message; false once the loop must end (WM_QUIT is put back for the outer loop).
bool PumpOneMessage() {
    MSG message;
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (got == -1) return false;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

}  // namespace

FormHost::FormHost(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = Form::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.lpszClassName = kFormClassName;
    // Skipped by design: without the class no form loads, and the program simply ends.
    RegisterClassExA(&windowClass);
}

void FormHost::RunWhileFormsLoaded() {
    while (loadedForms_ > 0 && PumpOneMessage()) {
    }
}

void FormHost::SetScreenPointer(ScreenPointer pointer) {
    screenPointer_ = pointer;
    SetCursor(LoadCursor(nullptr, pointer == ScreenPointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

void FormTimer::SetEnabled(bool enabled) { Carry(switch_.SetEnabled(enabled)); }

void FormTimer::SetInterval(uint32_t intervalMs) { Carry(switch_.SetInterval(intervalMs)); }

void FormTimer::Carry(TimerCommand command) {
    HWND window = form_.window();
    if (!window) return;  // armed when the window is created
    if (command == TimerCommand::Arm) SetTimer(window, id_, switch_.intervalMs(), nullptr);
    if (command == TimerCommand::Disarm) KillTimer(window, id_);
}

Form::Form(FormHost& host, std::string title, FormLook look, FormHandlers handlers)
    : host_(host), title_(std::move(title)), look_(look), life_(std::move(handlers), host.gate()) {}

Form::~Form() {
    if (window_) DestroyWindowOnPurpose();
    NoteUnloaded();
}

FormTimer& Form::AddTimer(uint32_t intervalMs, bool enabled, std::function<void()> onTick) {
    timers_.push_back(FormTimer(*this, timers_.size() + 1, TimerSwitch(intervalMs, enabled), std::move(onTick)));
    FormTimer& timer = timers_.back();
    if (window_) timer.Carry(timer.switch_.OnWindowCreated());
    return timer;
}

bool Form::Load() {
    if (IsLoaded()) return true;
    if (!window_) {
        RECT frame{0, 0, look_.clientWidthPx, look_.clientHeightPx};
        AdjustWindowRectEx(&frame, StyleOf(look_), FALSE, 0);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        CreateWindowExA(0, kFormClassName, title_.c_str(), StyleOf(look_), left, top, width, height,
                        nullptr, nullptr, host_.instance(), this);
        if (!window_) return false;
    }
    for (FormTimer& timer : timers_) timer.Carry(timer.switch_.OnWindowCreated());
    countedAsLoaded_ = true;
    ++host_.loadedForms_;
    life_.Load();
    return IsLoaded();
}

void Form::Show() {
    if (!Load()) return;
    ShowWindow(window_, SW_SHOW);
}

void Form::ShowModal() {
    if (!Load()) return;
    OtherWindowsDisabled others(window_);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    HandlerGate::ModalLevel modal(host_.gate());
    while (IsLoaded() && PumpOneMessage()) {
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

void Form::DestroyWindowOnPurpose() {
    destroyingOnPurpose_ = true;
    if (window_) DestroyWindow(window_);
    destroyingOnPurpose_ = false;
    NoteUnloaded();
}

void Form::NoteUnloaded() {
    if (!countedAsLoaded_) return;
    countedAsLoaded_ = false;
    --host_.loadedForms_;
    // NOTE: a window destroyed from outside is handled inside GetMessage, which then goes
    // on waiting; a posted message lets the loops see that a form has gone.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return form ? form->HandleMessage(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
        case WM_CLOSE:
            if (life_.RequestUnload(UnloadReason::UserClose)) DestroyWindowOnPurpose();
            return 0;
        case WM_QUERYENDSESSION:
            return life_.QueryUnload(UnloadReason::SessionEnd) ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam && life_.CompleteUnload()) DestroyWindowOnPurpose();
            return 0;
        case WM_SIZE:
            life_.Resized();
            break;
        case WM_SETCURSOR:
            // The hourglass covers every form and control of the program while it is set.
            if (host_.screenPointer() == ScreenPointer::Hourglass) {
                SetCursor(LoadCursor(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_TIMER:
            for (FormTimer& timer : timers_) {
                if (timer.id_ != wParam) continue;
                // NOTE: a tick that finds a handler running is dropped, not queued.
                if (!timer.switch_.IsRunning() || host_.gate().IsHandlerRunning() || !IsLoaded()) return 0;
                HandlerGate::HandlerScope scope(host_.gate());
                if (timer.onTick_) timer.onTick_();
                return 0;
            }
            return 0;
        case WM_DESTROY:
            // Destroyed from outside, with a parent window of another program: the form
            // unloads without being asked.
            if (!destroyingOnPurpose_) {
                life_.WindowGone();
                NoteUnloaded();
            }
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            return DefWindowProcA(window, message, wParam, lParam);
        default:
            break;
    }
    if (messageHook_) {
        LRESULT result = 0;
        bool handled = false;
        {
            HandlerGate::HandlerScope scope(host_.gate());
            handled = messageHook_(message, wParam, lParam, result);
        }
        if (handled) return result;
    }
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(look_.background);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
