// Keeps the program's handlers from interrupting one another on the one UI thread: a
// timer tick is delivered only when no handler is running at the current modal level.
// A form shown modally opens a new level, so its own handlers and timers run while the
// handler that showed it waits. Portable.
#pragma once
#include <type_traits>

#include "common/skip_on_error.h"

namespace host {

class HandlerGate {
  public:
    bool IsHandlerRunning() const { return runningHandlers_ > 0; }

    // Held while a handler runs.
    class HandlerScope {
      public:
        explicit HandlerScope(HandlerGate& gate) : gate_(gate) { ++gate_.runningHandlers_; }
        ~HandlerScope() { --gate_.runningHandlers_; }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;
      private:
        HandlerGate& gate_;
    };

    // Held while a modal form runs its own message loop.
    class ModalLevel {
      public:
        explicit ModalLevel(HandlerGate& gate) : gate_(gate), outer_(gate.runningHandlers_) {
            gate_.runningHandlers_ = 0;
        }
        ~ModalLevel() { gate_.runningHandlers_ = outer_; }
        ModalLevel(const ModalLevel&) = delete;
        ModalLevel& operator=(const ModalLevel&) = delete;
      private:
        HandlerGate& gate_;
        int outer_;
    };

  private:
    int runningHandlers_ = 0;
};

// Runs a handler the way the host runs every handler: inside the gate, and skip-on-error:
// a handler that fails (by throwing) is abandoned where it failed and the program goes
// on, so no failure ever leaves through a window procedure or a timer callback. Any
// callable; an empty std::function is not called.
template <typename Handler>
void RunHandler(HandlerGate& gate, const Handler& handler) noexcept {
    if constexpr (std::is_constructible_v<bool, const Handler&>) {
        if (!static_cast<bool>(handler)) return;
    }
    HandlerGate::HandlerScope scope(gate);
    common::HandleSkippingOnError([&] { handler(); }, [] {});
}

}  // namespace host
