// A windowless rectangle frame: a one-pixel line round the control's place, nothing
// filled inside. Win32 only.
#pragma once
#include "host/control_win32.h"

namespace host {

// A windowless rectangle frame: a one-pixel line round the control's place.
class Shape : public WindowlessControl {
  public:
    Shape(ControlSite& site, const TwipsRect& place, COLORREF borderColour = RGB(0, 0, 0));

  protected:
    void Draw(HDC dc) const override;

  private:
    COLORREF borderColour_;
};

}  // namespace host
