// The life of one form, apart from its window: load, then on an unload request the
// query-unload handler (which may cancel) and the unload handler, in that order and once.
// Every handler runs inside the handler gate. Portable; form_host_win32 maps window
// messages onto it and destroys the window when it says so.
#pragma once
#include <functional>

#include "host/handler_gate.h"

namespace host {

// Who asks for the unload: the program, the user closing the window, or the system
// ending the session (log-off or shut-down).
enum class UnloadReason { Program, UserClose, SessionEnd };

struct FormHandlers {
    std::function<void()> load;
    std::function<void()> resize;
    std::function<bool(UnloadReason)> queryUnload;  // true cancels the unload
    std::function<void()> unload;
};

class FormLife {
  public:
    FormLife(FormHandlers handlers, HandlerGate& gate);

    bool IsLoaded() const { return stage_ == Stage::Loaded || stage_ == Stage::Querying; }

    // The window exists: the form counts as loaded and its load handler runs.
    void Load();
    void Resized();
    // Runs the query-unload handler; true when nobody cancelled. The form stays loaded.
    bool QueryUnload(UnloadReason reason);
    // Runs the unload handler; true when the form was loaded and now is not, so that its
    // window is to be destroyed.
    bool CompleteUnload();
    // Both, for an unload request; true when the window is to be destroyed.
    bool RequestUnload(UnloadReason reason);
    // The window went without being asked (destroyed together with its parent): the
    // unload handler runs, as nothing can cancel any more.
    void WindowGone();

  private:
    enum class Stage { Unloaded, Loaded, Querying, Unloading };
    void Run(const std::function<void()>& handler);

    FormHandlers handlers_;
    HandlerGate& gate_;
    Stage stage_ = Stage::Unloaded;
};

}  // namespace host
