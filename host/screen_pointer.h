// The screen-wide mouse pointer the program may set over all its forms and controls: the
// default, or the hourglass while it waits. Portable.
#pragma once

namespace host {

enum class ScreenPointer { Default, Hourglass };

}  // namespace host
