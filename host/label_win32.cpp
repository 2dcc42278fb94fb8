// Windowless labels; see label_win32.h.
#include "host/label_win32.h"

#include <utility>

#include "host/font_win32.h"

Label::Label(Container& container, const TwipsRect& place, std::wstring caption, LabelLook look)
    : WindowlessControl(container, place), caption_(std::move(caption)), look_(std::move(look)) {}

void Label::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    Invalidate();
}

void Label::SetFont(const FontSpec& font) {
    look_.font = font;
    font_.Reset(nullptr);
    Invalidate();
}

void Label::SetTextColour(COLORREF colour) {
    look_.textColour = colour;
    Invalidate();
}

void Label::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Invalidate();
}

HFONT Label::Font() const {
    if (!font_.get()) font_.Reset(MakeFont(look_.font));
    return static_cast<HFONT>(font_.get());
}

int Label::LineHeightPx() const {
    WindowDc screen(nullptr);
    SelectedObject selected(screen.get(), Font());
    TEXTMETRICW metrics{};
    return GetTextMetricsW(screen.get(), &metrics) ? metrics.tmHeight : 0;
}

void Label::Draw(HDC dc) const {
    RECT area = placePx();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    if (look_.border) {
        GdiObject pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        SelectedObject selectedPen(dc, pen.get());
        SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
        InflateRect(&area, -2, -2);
    }
    SelectedObject selectedFont(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    // Paths and file names have no blanks to wrap at: they break where the width ends.
    const UINT format = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | (look_.centred ? DT_CENTER : DT_LEFT);
    if (enabled_) {
        SetTextColor(dc, look_.textColour);
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, format);
    } else {
        // The greyed look: an engraved caption, a light copy under a shadow-coloured one.
        RECT lit = area;
        OffsetRect(&lit, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &lit, format);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, format);
    }
    RestoreDC(dc, saved);
}
