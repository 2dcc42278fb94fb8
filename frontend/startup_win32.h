// The start routine `Main` on Win32: it gathers what ChooseStart needs (the two window titles,
// the argument text, the renderer's file) and carries the choice out, keeping the forms that
// outlive it. Win32 only.
#pragma once
#include <memory>

#include "frontend/frontend_state.h"
#include "frontend/preview_form_win32.h"
#include "frontend/saver_form_win32.h"
#include "host/form_host_win32.h"

namespace frontend {

class StartRoutine {
  public:
    StartRoutine(host::FormHost& host, FrontendState& state) : host_(host), state_(state) {}

    // Runs once, before any form; the program then lives while a form is loaded.
    void Main();

  private:
    host::FormHost& host_;
    FrontendState& state_;
    std::unique_ptr<PreviewForm> preview_;
    std::unique_ptr<SaverForm> saver_;
};

}  // namespace frontend
