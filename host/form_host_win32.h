// The program-wide part of the form host: the module, the handler gate, the screen-wide
// pointer, the count of loaded forms and the message loop of the program's life, which lasts
// while a form is loaded. It knows no form: a form's window (form_win32) counts itself in
// and out, and Tab reaches the top-level window it was pressed in. Win32 only.
#pragma once
#include <windows.h>

#include "host/handler_gate.h"
#include "host/screen_pointer.h"

namespace host {

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
    // One message of a message loop; false once the loop must end (WM_QUIT is put back for
    // the outer loop). Tab and Shift+Tab go to the top-level host window they were pressed in.
    bool PumpOneMessage();

    void SetScreenPointer(ScreenPointer pointer);
    const ScreenPointer& screenPointer() const { return screenPointer_; }

    // A form's window came or went; the program lives while one is loaded.
    void NoteFormLoaded() { ++loadedForms_; }
    void NoteFormUnloaded();

  private:
    HINSTANCE instance_;
    HandlerGate gate_;
    int loadedForms_ = 0;
    ScreenPointer screenPointer_ = ScreenPointer::Default;
};

}  // namespace host
