// The form host: top-level forms with a title, handlers and timers on the one UI thread,
// shown modeless or modally, and the program's life, which lasts while a form is loaded.
// Win32 only; the order of load and unload is form_life's, the timer rules timer_switch's.
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "host/form_life.h"
#include "host/timer_switch.h"

// The screen-wide mouse pointer over the program's forms.
enum class ScreenPointer { Default, Hourglass };

class FormHost {
  public:
    explicit FormHost(HINSTANCE instance);
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    HINSTANCE instance() const { return instance_; }
    HandlerGate& gate() { return gate_; }
    int loadedFormCount() const { return loadedForms_; }
    // The message loop of the program's life: returns once no form is loaded.
    void RunWhileFormsLoaded();

    void SetScreenPointer(ScreenPointer pointer);
    ScreenPointer screenPointer() const { return screenPointer_; }

  private:
    friend class Form;
    HINSTANCE instance_;
    HandlerGate gate_;
    int loadedForms_ = 0;
    ScreenPointer screenPointer_ = ScreenPointer::Default;
};

// How a form's window looks before its own code changes it.
struct FormLook {
    bool hasCaption = true;  // false: no border and no caption bar
    COLORREF background = RGB(0, 0, 0);
    int clientWidthPx = 0;
    int clientHeightPx = 0;
};

class Form;

// A form's timer: its tick handler runs one interval after enabling, then every interval,
// and never while another handler runs (such a tick is dropped).
class FormTimer {
  public:
    void SetEnabled(bool enabled);
    void SetInterval(uint32_t intervalMs);
    bool enabled() const { return switch_.enabled(); }
    uint32_t intervalMs() const { return switch_.intervalMs(); }

  private:
    friend class Form;
    FormTimer(Form& form, UINT_PTR id, TimerSwitch timerSwitch, std::function<void()> onTick)
        : form_(form), id_(id), switch_(timerSwitch), onTick_(std::move(onTick)) {}
    void Carry(TimerCommand command);

    Form& form_;
    UINT_PTR id_;
    TimerSwitch switch_;
    std::function<void()> onTick_;
};

class Form {
  public:
    Form(FormHost& host, std::string title, FormLook look, FormHandlers handlers);
    // Destroys a window that is still there without running any handler.
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Timers may be added before or after loading; an enabled one starts with the window.
    FormTimer& AddTimer(uint32_t intervalMs, bool enabled, std::function<void()> onTick);

    // Creates the hidden window, then runs the load handler. True while loaded afterwards.
    bool Load();
    // Loads when needed and shows the window; returns at once.
    void Show();
    // Loads when needed, shows the window and returns when the form has unloaded. Other
    // forms of the program are disabled meanwhile; its own handlers and timers run.
    void ShowModal();
    // The program's unload request: query-unload, unload, then the window goes.
    void Unload();

    bool IsLoaded() const { return life_.IsLoaded(); }
    HWND window() const { return window_; }
    const std::string& title() const { return title_; }
    void SetTitle(const std::string& title);
    // The window's outer rectangle, in twips relative to its parent's client area.
    void MoveTwips(int left, int top, int width, int height);
    // The window's outer size in twips.
    SIZE OuterSizeTwips() const;

    // Messages the form's own code handles (painting, commands, mouse); the hook runs as a
    // handler and gives true when it handled the message, with the result to return.
    using MessageHook = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;
    void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

  private:
    friend class FormTimer;
    friend class FormHost;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void DestroyWindowOnPurpose();
    void NoteUnloaded();

    FormHost& host_;
    std::string title_;
    FormLook look_;
    FormLife life_;
    std::deque<FormTimer> timers_;  // a deque keeps handed-out references valid
    MessageHook messageHook_;
    HWND window_ = nullptr;
    bool countedAsLoaded_ = false;
    bool destroyingOnPurpose_ = false;
};
