// Where Tab and Shift+Tab move the keyboard focus among a form's controls: the next (or
// previous) control in the form's order that can take the focus, wrapping round at the
// ends. Portable.
#pragma once
#include <cstddef>
#include <optional>
#include <vector>

namespace host {

// canTakeFocus: one entry per control in focus order (visible, enabled and a tab stop).
// current: the control that has the focus, or nothing when none of them has it.
// Gives the control to focus, or nothing when none can take it.
std::optional<size_t> NextInFocusOrder(const std::vector<bool>& canTakeFocus,
                                       std::optional<size_t> current, bool forward);

}  // namespace host
