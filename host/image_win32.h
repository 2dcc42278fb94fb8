// A windowless image: a stored picture drawn at its natural size from the control's
// top-left corner, never stretched; what of the control lies beyond the picture shows the
// container, what of the picture lies beyond the control is cut off. Win32 only.
#pragma once
#include <memory>

#include "host/control_win32.h"
#include "host/picture_win32.h"

namespace host {

class Image : public WindowlessControl {
  public:
    Image(ControlSite& site, const TwipsRect& place, std::shared_ptr<const Picture> picture = nullptr);

    const std::shared_ptr<const Picture>& picture() const { return picture_; }
    void SetPicture(std::shared_ptr<const Picture> picture);

  protected:
    void Draw(HDC dc) const override;

  private:
    std::shared_ptr<const Picture> picture_;
};

}  // namespace host
