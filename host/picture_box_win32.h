// A picture box: a child window with a persistent drawing surface, an optional stored
// picture and controls of its own; it can take the keyboard focus. Win32 only.
#pragma once
#include <memory>

#include "host/container_win32.h"
#include "host/control_win32.h"

namespace host {

class PictureBox : public Container, public WindowedControl {
  public:
    PictureBox(Container& container, const TwipsRect& place, COLORREF background,
               std::shared_ptr<const Picture> picture = nullptr);

    HWND controlWindow() const override { return window(); }
    void FollowSiteDpi() override;

  protected:
    void CreateIn(HWND parent) override;
    bool TakesFocusOnClick() const override { return CanTakeFocus(); }
};

}  // namespace host
