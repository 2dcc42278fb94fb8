// An indexed array of controls of one kind whose handlers receive the index of the
// control that raised the event (the dialog's markers and kind labels). Portable over
// any control type that has ControlEvents named events.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "host/control_events.h"

namespace host {

template <typename ControlType>
class ControlArray {
  public:
    ControlArray() = default;
    // Elements' handlers refer to their array, which therefore stays where it is.
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // The handlers of every element, bound to its index as it is added.
    std::function<void(int index)> click;
    std::function<void(int index, const MouseEvent&)> mouseDown;
    std::function<void(int index, const MouseEvent&)> mouseMove;
    std::function<void(int index, const MouseEvent&)> mouseUp;

    template <typename... Args>
    ControlType& Add(int index, Args&&... args) {
        auto control = std::make_unique<ControlType>(std::forward<Args>(args)...);
        ControlEvents& events = control->events;
        events.click = [this, index] { if (click) click(index); };
        events.mouseDown = [this, index](const MouseEvent& e) { if (mouseDown) mouseDown(index, e); };
        events.mouseMove = [this, index](const MouseEvent& e) { if (mouseMove) mouseMove(index, e); };
        events.mouseUp = [this, index](const MouseEvent& e) { if (mouseUp) mouseUp(index, e); };
        ControlType& added = *control;
        items_[index] = std::move(control);
        return added;
    }

    ControlType& operator[](int index) { return *items_.at(index); }
    const ControlType& operator[](int index) const { return *items_.at(index); }
    bool Has(int index) const { return items_.count(index) != 0; }

  private:
    std::map<int, std::unique_ptr<ControlType>> items_;
};

}  // namespace host
