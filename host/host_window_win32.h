// A window of the host: a form, a picture box or a user control. One window procedure
// serves them all and no exception ever leaves it; each window's timers tick through it.
// Win32 only.
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>

#include "host/timer_switch.h"

class FormHost;
class HostWindow;

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
    FormHost& host() const { return host_; }
    // The host window a window handle belongs to, if it is one of ours.
    static HostWindow* FromWindow(HWND window);
    static WNDPROC WindowProcedure() { return WindowProc; }

    // Timers may be added before or after the window exists; an enabled one starts with it.
    HostTimer& AddTimer(uint32_t intervalMs, bool enabled, std::function<void()> onTick);
    // Runs a handler of this window's form or control: one at a time, skip-on-error.
    void RunHandler(const std::function<void()>& handler);

  protected:
    explicit HostWindow(FormHost& host) : host_(host) {}
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

    FormHost& host_;
    HWND window_ = nullptr;

  private:
    friend class HostTimer;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::deque<HostTimer> timers_;  // a deque keeps handed-out references valid
};
