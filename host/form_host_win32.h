// The form host: top-level forms with a title, handlers, controls and timers on the one UI
// thread, shown modeless or modally, and the program's life, which lasts while a form is
// loaded. Win32 only; the order of load and unload is form_life's, the timer rules
// timer_switch's, the focus order focus_order's.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/container_win32.h"
#include "host/form_life.h"
#include "host/handler_gate.h"

// The screen-wide mouse pointer over the program's forms.
enum class ScreenPointer { Default, Hourglass };

class FormHost {
  public:
    explicit FormHost(HINSTANCE instance);
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    static constexpr const char* kFormClassName = "VaporquillForm";
    static constexpr const char* kControlClassName = "VaporquillControl";

    HINSTANCE instance() const { return instance_; }
    HandlerGate& gate() { return gate_; }
    int loadedFormCount() const { return loadedForms_; }
    // The message loop of the program's life: returns once no form is loaded.
    void RunWhileFormsLoaded();
    // One message of a message loop; false once the loop must end (WM_QUIT is put back for
    // the outer loop). Tab and Shift+Tab move the focus within a form here.
    bool PumpOneMessage();

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
    FontInfo font = DialogFont();  // the ambient font of the form's controls
};

class Form : public Container {
  public:
    Form(FormHost& host, std::string title, FormLook look, FormHandlers handlers);
    // Destroys a window that is still there without running any handler.
    ~Form() override;

    // Creates the hidden window and its controls, then runs the load handler. True while
    // loaded afterwards; false, with nothing loaded, when the window could not be made.
    bool Load();
    // Loads when needed and shows the window; returns at once.
    void Show();
    // Loads when needed, shows the window and returns when the form has unloaded. Other
    // forms of the program are disabled meanwhile; its own handlers and timers run.
    void ShowModal();
    // The program's unload request: query-unload, unload, then the window goes.
    void Unload();

    bool IsLoaded() const { return life_.IsLoaded(); }
    const std::string& title() const { return title_; }
    void SetTitle(const std::string& title);
    // The window's outer rectangle, in twips relative to its parent's client area.
    void MoveTwips(int left, int top, int width, int height);
    // The window's outer size in twips.
    SIZE OuterSizeTwips() const;

    // The controls that Tab visits, in order; the first that can take the focus gets it
    // when the form is shown.
    void SetFocusOrder(std::vector<WindowedControl*> order) { focusOrder_ = std::move(order); }
    // Moves the focus to the next (or previous) control of the order; false when the
    // form has no such control.
    bool MoveFocus(bool forward);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool AcceptsTicks() const override { return IsLoaded(); }
    void OnResized() override;

  private:
    void DestroyWindowOnPurpose();
    void NoteUnloaded();
    void FocusFirst();
    // The resize handler runs when the form is first shown, as after any resize.
    void ResizeOnFirstShow();

    std::string title_;
    FormLook look_;
    FormLife life_;
    std::vector<WindowedControl*> focusOrder_;
    bool countedAsLoaded_ = false;
    bool resizedSinceLoad_ = false;
    bool destroyingOnPurpose_ = false;
};
