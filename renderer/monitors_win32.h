// The desk the renderer's window is laid over, as the system reports it now (see
// monitor_layout.h for the rules); read when the window opens and again after every display
// change.
#pragma once
#include "renderer/monitor_layout.h"

namespace renderer {

// The one-screen window's size from the system metrics, then every display monitor's
// rectangle in screen pixels.
Desk CurrentDesk();

}  // namespace renderer
