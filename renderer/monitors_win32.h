// The renderer's window layout over the monitors the system reports now (see monitor_layout.h
// for the rules); read when the window opens and again after every display change.
#pragma once
#include "renderer/monitor_layout.h"

namespace renderer {

// The one-screen window's size from the system metrics, then every display monitor's
// rectangle in screen pixels, laid out by LayOutWindow.
WindowLayout CurrentWindowLayout();

}  // namespace renderer
