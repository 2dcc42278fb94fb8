// Picture boxes; see picture_box_win32.h.
#include "host/picture_box_win32.h"

#include <utility>

namespace host {

PictureBox::PictureBox(Container& container, const TwipsRect& place, COLORREF background,
                       std::shared_ptr<const Picture> picture)
    : Container(container.containerContext(), background), WindowedControl(container, place) {
    SetPicture(std::move(picture));
    SetControlsFont(container.controlsFont());
    SetSiteDpi(container.dpi());
    if (container.window()) CreateIn(container.window());
}

void PictureBox::FollowSiteDpi() {
    SetDpi(site().dpi());
    Move(place_);
}

void PictureBox::CreateIn(HWND parent) { CreateAsChild(parent, placePx()); }

}  // namespace host
