// A window of the host: a form, a picture box or a user control. One window procedure
// serves them all and no exception ever leaves it; each window's timers tick through it.
// It knows of the program only the narrow WindowContext below. Win32 only.
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>

#include "host/handler_gate.h"
#include "host/timer_switch.h"

namespace host {

class HostWindow;

// The window classes every host window is made of; the program registers them once.
inline constexpr const char* kFormClassName = "VaporquillForm";
inline constexpr const char* kControlClassName = "VaporquillControl";

// What a host window needs of the program: the module its windows belong to, and the gate
// through which every handler of the program runs, one at a time.
struct WindowContext {
    HINSTANCE instance;
    HandlerGate& gate;
};

// A timer of a form or control: its tick handler runs one interval after enabling, then
// every interval, and never while another handler runs (such a tick is dropped).
class HostTimer {
  public:
    // Each gives false when the system refused to set the timer.
    bool SetEnabled(bool enabled);
    bool SetInterval(uint32_t intervalMs);
    bool enabled() const { return switch_.enabled(); }
    uint32_t intervalMs() const { return switch_.intervalMs(); }
    // True while the system refuses this enabled timer (also when it was armed with its
    // window): it does not tick until a later enabling or interval is accepted.
    bool refusedBySystem() const { return refusedBySystem_; }

  private:
    friend class HostWindow;
    HostTimer(HostWindow& owner, UINT_PTR id, TimerSwitch timerSwitch, std::function<void()> onTick)
        : owner_(owner), id_(id), switch_(timerSwitch), onTick_(std::move(onTick)) {}
    // NOTE: the system refusing the timer leaves it disarmed; the result says so.
    bool Carry(TimerCommand command);

    HostWindow& owner_;
    UINT_PTR id_;
    TimerSwitch switch_;
    std::function<void()> onTick_;
    bool refusedBySystem_ = false;
};

class HostWindow {
  public:
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND window() const { return window_; }
    const WindowContext& context() const { return context_; }
    // The host window a window handle belongs to, if it is one of ours.
    static HostWindow* FromWindow(HWND window);
    static WNDPROC WindowProcedure() { return WindowProc; }

    // Tab (forward) or Shift+Tab pressed in this top-level window: true when the window
    // moved the keyboard focus itself (a form along its focus order); false lets the key
    // through.
    virtual bool MoveFocusOnTab(bool forward);

    // Timers may be added before or after the window exists; an enabled one starts with it.
    HostTimer& AddTimer(uint32_t intervalMs, bool enabled, std::function<void()> onTick);
    // Runs a handler of this window's form or control: one at a time, skip-on-error.
    void RunHandler(const std::function<void()>& handler);
    // Runs work as a handler once the messages already queued for the window are handled: for
    // a request made inside a call that must return first (a screen reader's, from another
    // process). Like a timer tick, it is dropped if it finds another handler running, and
    // with the window.
    void RunLater(std::function<void()> work);

    // Answers the system's request for the window's accessible object (WM_GETOBJECT: flags,
    // object id); 0, or none set, leaves the system's own answer.
    std::function<LRESULT(WPARAM flags, LPARAM objectId)> answerAccessibleObject;

  protected:
    explicit HostWindow(const WindowContext& context) : context_(context) {}
    virtual ~HostWindow();

    // Creates the window with this object attached; false when the system refused.
    bool CreateHostWindow(DWORD exStyle, const char* className, const char* title, DWORD style,
                          const RECT& place, HWND parent);
    // The window's messages; the default runs the timers and the system's defaults.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs once the window exists, before any handler of the form or control.
    virtual void OnCreated() {}
    // Whether a tick may run now (a form's timers tick only while it is loaded).
    virtual bool AcceptsTicks() const { return true; }
    // Arms the enabled timers; false when the system refused one of them.
    bool ArmTimers();

    WindowContext context_;
    HWND window_ = nullptr;

  private:
    friend class HostTimer;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::deque<HostTimer> timers_;  // a deque keeps handed-out references valid
    std::deque<std::function<void()>> later_;  // RunLater's work, oldest first
};

}  // namespace host
