// A form: a top-level window with a title, handlers, controls and timers on the one UI
// thread, loaded, shown modeless or modally, and unloaded. Win32 only; the order of load and
// unload is form_life's, the focus order focus_order's, the program's life form_host's.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/power_notice_win32.h"
#include "host/container_win32.h"
#include "host/form_host_win32.h"
#include "host/form_life.h"

namespace host {

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
    // The client size the form was described with, at 96 DPI.
    SIZE designClientSizePx() const { return SIZE{look_.clientWidthPx, look_.clientHeightPx}; }
    void SetTitle(const std::string& title);
    // The window's outer rectangle, in twips relative to its parent's client area.
    void MoveTwips(int left, int top, int width, int height);
    // The window's outer size in twips.
    SIZE OuterSizeTwips() const;

    // The controls that Tab visits, in order; the first that can take the focus gets it
    // when the form is shown.
    void SetFocusOrder(std::vector<WindowedControl*> order) { focusOrder_ = std::move(order); }
    // Tab: moves the focus to the next (or previous) control of the order; false when the
    // form has no such control.
    bool MoveFocusOnTab(bool forward) override;

    // A handler for the power settings the form's window is registered for (a handler like
    // the others: one at a time, skip-on-error).
    void OnPowerSettingChange(std::function<void(const common::PowerSettingChange&)> handler) {
        powerSettingChange_ = std::move(handler);
    }

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
    // The outer size whose client area is the described one at dpi.
    SIZE FrameSizeAt(int dpi) const;
    // Makes the client area the described one at the form's DPI, keeping the top-left corner,
    // where the frame came out otherwise.
    void FitClientToDpi();
    // Moved to a monitor of another scale: every control at the new DPI, the window in the
    // rectangle the system suggests.
    void LayOutAgainAt(int dpi, const RECT& suggested);

    FormHost& host_;
    std::string title_;
    FormLook look_;
    FormLife life_;
    std::vector<WindowedControl*> focusOrder_;
    std::function<void(const common::PowerSettingChange&)> powerSettingChange_;
    bool countedAsLoaded_ = false;
    bool resizedSinceLoad_ = false;
    bool destroyingOnPurpose_ = false;
};

}  // namespace host
