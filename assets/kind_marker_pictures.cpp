// Kind markers: a dark outline with softened corners around a light well or a blue fill.
#include "assets/kind_marker_pictures.h"

namespace pictures {
namespace {

constexpr Rgb kOutline = Hex(0x1C5180);
// The corner pixels lean toward the panel's light grey, so the square does not look sharp.
constexpr Rgb kPanelGrey = Hex(0xD4DAE2);

}  // namespace

Canvas MakeKindMarker(bool isSelected) {
    constexpr int kLast = kMarkerSidePx - 1;
    Canvas canvas(kMarkerSidePx, kMarkerSidePx, kOutline);
    for (int corner = 0; corner < 4; ++corner) {
        canvas.Set(corner % 2 * kLast, corner / 2 * kLast, Mix(kOutline, kPanelGrey, 1, 2));
    }
    for (int y = 1; y < kLast; ++y) {
        for (int x = 1; x < kLast; ++x) {
            // A light well shaded toward the top left; the fill lit at the top left, deep blue
            // toward the bottom right.
            const int depth = x + y - 2;  // 0 at the top-left inner pixel, 18 at the bottom-right
            const Rgb colour = isSelected ? Mix(Hex(0x7DB2F5), Hex(0x1A55C0), depth, 18)
                                          : Mix(Hex(0xDCDCD7), Hex(0xFFFFFF), depth, 18);
            canvas.Set(x, y, colour);
        }
    }
    return canvas;
}

}  // namespace pictures
