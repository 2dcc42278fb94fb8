// Mouse event routing; see pointer_routing.h.
#include "host/pointer_routing.h"

#include "host/control_events.h"

namespace host {

PointerRouter::Delivery PointerRouter::Down(int hit, int button) {
    if (heldButtons_ == 0) pressedPart_ = hit;
    heldButtons_ |= button;
    return {pressedPart_, false};
}

PointerRouter::Delivery PointerRouter::Move(int hit) const {
    return {heldButtons_ != 0 ? pressedPart_ : hit, false};
}

PointerRouter::Delivery PointerRouter::Up(int hit, int button) {
    // NOTE: an up without its down (pressed in another window) goes to the part under it.
    const bool wasHeld = (heldButtons_ & button) != 0;
    const int target = heldButtons_ != 0 ? pressedPart_ : hit;
    heldButtons_ &= ~button;
    return {target, wasHeld && button == kLeftButton && hit == target};
}

}  // namespace host
