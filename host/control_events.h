// The events the host delivers to forms and controls, already turned from window messages
// into plain values, so that no control logic ever looks at a message number. Portable.
#pragma once
#include <functional>

namespace host {

// Mouse buttons as the host reports them; a mouse event names one of them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Shift keys held during a mouse event, as a sum of these.
inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

struct MouseEvent {
    int button = 0;  // kLeftButton, kRightButton or kMiddleButton; 0 for a plain move
    int shift = 0;
    int xPx = 0;     // relative to the control's own top-left corner
    int yPx = 0;
};

// Handlers a form or control may have; an empty one is not called.
struct ControlEvents {
    std::function<void()> click;
    std::function<void(const MouseEvent&)> mouseDown;
    std::function<void(const MouseEvent&)> mouseMove;
    std::function<void(const MouseEvent&)> mouseUp;
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
    std::function<void()> resize;
    // The window's content was exposed; runs before the persistent surface is shown.
    std::function<void()> paint;
    // The form was laid out again at another DPI (moved to a monitor of another scale); its
    // controls already stand at their new places.
    std::function<void()> dpiChanged;
};

}  // namespace host
