// The settings dialog's music-kind markers: 12 x 12 squares shown at their own size on the
// cloud panel, empty for the kinds not chosen and filled blue for the chosen one.
#pragma once
#include "assets/picture_canvas.h"

namespace pictures {

constexpr int kMarkerSidePx = 12;

Canvas MakeKindMarker(bool isSelected);

}  // namespace pictures
