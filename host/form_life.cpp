// Form load and unload order; see form_life.h.
#include "host/form_life.h"

#include <utility>

namespace host {

FormLife::FormLife(FormHandlers handlers, HandlerGate& gate)
    : handlers_(std::move(handlers)), gate_(gate) {}

void FormLife::Run(const std::function<void()>& handler) { RunHandler(gate_, handler); }

void FormLife::Load() {
    if (stage_ != Stage::Unloaded) return;
    stage_ = Stage::Loaded;
    Run(handlers_.load);
}

void FormLife::Resized() {
    if (IsLoaded()) Run(handlers_.resize);
}

bool FormLife::QueryUnload(UnloadReason reason) {
    // NOTE: a request that arrives while the handler itself runs (a close while it shows
    // a message box) is refused; the first request decides.
    if (stage_ != Stage::Loaded) return false;
    if (!handlers_.queryUnload) return true;
    stage_ = Stage::Querying;
    bool cancelled = false;
    RunHandler(gate_, [&] { cancelled = handlers_.queryUnload(reason); });
    if (stage_ != Stage::Querying) return false;  // the handler unloaded the form itself
    stage_ = Stage::Loaded;
    return !cancelled;
}

bool FormLife::CompleteUnload() {
    if (!IsLoaded()) return false;
    stage_ = Stage::Unloading;
    Run(handlers_.unload);
    stage_ = Stage::Unloaded;
    return true;
}

bool FormLife::RequestUnload(UnloadReason reason) {
    return QueryUnload(reason) && CompleteUnload();
}

void FormLife::WindowGone() { CompleteUnload(); }

}  // namespace host
