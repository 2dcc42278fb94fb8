// The hidden saver form "Cirrovance_Main": loading it starts the saver session, which
// lasts until the renderer's window has gone. Win32 only.
#pragma once
#include <memory>

#include "frontend/frontend_state.h"
#include "host/form_host_win32.h"

namespace frontend {

class SaverForm {
  public:
    SaverForm(host::FormHost& host, FrontendState& state);
    ~SaverForm();
    SaverForm(const SaverForm&) = delete;
    SaverForm& operator=(const SaverForm&) = delete;

    // Loads the form without showing it; its load handler starts the session.
    void Load();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace frontend
