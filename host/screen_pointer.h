// The screen-wide mouse pointer the program may set over all its forms and controls: the
// default, or the hourglass while it waits. Portable.
#pragma once

enum class ScreenPointer { Default, Hourglass };
