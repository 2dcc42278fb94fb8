// Which part of a window receives a mouse event: one of its windowless controls (labels,
// images) or the window itself. A button pressed over a part keeps delivering to that part
// until every button is up, wherever the pointer goes; a left press and release over the
// same part is its click. Portable: the platform hit-tests and reports the part's number.
#pragma once

namespace host {

class PointerRouter {
  public:
    static constexpr int kWindowItself = -1;

    struct Delivery {
        int target = kWindowItself;
        bool click = false;
    };

    // hit: the part under the pointer; button: one of the host's mouse buttons.
    Delivery Down(int hit, int button);
    Delivery Move(int hit) const;
    Delivery Up(int hit, int button);
    // The window lost the mouse while buttons were held (another window took it): their
    // releases will never come here, so nothing stays pressed.
    void LoseMouse() { heldButtons_ = 0; }

  private:
    int pressedPart_ = kWindowItself;
    int heldButtons_ = 0;
};

}  // namespace host
