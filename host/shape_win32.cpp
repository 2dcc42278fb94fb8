// Windowless frames; see shape_win32.h.
#include "host/shape_win32.h"

#include "common/gdi_objects_win32.h"
#include "host/border_pen_win32.h"

namespace host {

Shape::Shape(ControlSite& site, const TwipsRect& place, COLORREF borderColour)
    : WindowlessControl(site, place), borderColour_(borderColour) {}

void Shape::Draw(HDC dc) const {
    const RECT place = placePx();
    common::GdiObject pen(BorderPen(borderColour_, site_.dpi()));
    common::SelectedObject selectedPen(dc, pen.get());
    common::SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, place.left, place.top, place.right, place.bottom);
}

}  // namespace host
