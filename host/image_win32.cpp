// Windowless images; see image_win32.h.
#include "host/image_win32.h"

#include <algorithm>
#include <utility>

namespace host {

Image::Image(ControlSite& site, const TwipsRect& place, std::shared_ptr<const Picture> picture)
    : WindowlessControl(site, place), picture_(std::move(picture)) {}

void Image::SetPicture(std::shared_ptr<const Picture> picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void Image::Draw(HDC dc) const {
    if (!picture_) return;
    const RECT place = placePx();
    const int width = std::min<int>(place.right - place.left, picture_->widthPx());
    const int height = std::min<int>(place.bottom - place.top, picture_->heightPx());
    if (width <= 0 || height <= 0) return;
    picture_->CopyTo(dc, RECT{place.left, place.top, place.left + width, place.top + height},
                     RECT{0, 0, width, height});
}

}  // namespace host
