// Windowless labels; see label_win32.h.
#include "host/label_win32.h"

#include <utility>

#include "host/border_pen_win32.h"
#include "host/font_win32.h"

namespace host {

Label::Label(ControlSite& site, const TwipsRect& place, std::wstring caption, LabelLook look)
    : WindowlessControl(site, place), caption_(std::move(caption)), look_(std::move(look)) {}

void Label::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    Invalidate();
}

void Label::SetFont(const FontInfo& font) {
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
    if (!font_.get()) font_ = MakeFont(look_.font, site_.dpi());
    return static_cast<HFONT>(font_.get());
}

void Label::OnSiteDpiChanged() {
    Invalidate();
    font_.Reset(nullptr);
    Invalidate();
}

int Label::CaptionWidthPx() const {
    common::ScreenDc screen;
    common::SelectedObject selected(screen.get(), Font());
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), caption_.c_str(), static_cast<int>(caption_.size()), &extent);
    return extent.cx;
}

int Label::LineHeightPx() const {
    common::ScreenDc screen;
    common::SelectedObject selected(screen.get(), Font());
    TEXTMETRICW metrics{};
    return GetTextMetricsW(screen.get(), &metrics) ? metrics.tmHeight : 0;
}

bool Label::IsOneLine() const {
    const RECT area = TextArea();
    return area.bottom - area.top < 2 * LineHeightPx();
}

RECT Label::TextArea() const {
    RECT area = placePx();
    if (look_.border) InflateRect(&area, -ScaleToDpi(2, site_.dpi()), -ScaleToDpi(2, site_.dpi()));
    return area;
}

RECT Label::DrawnArea() const {
    RECT area = placePx();
    if (!IsOneLine()) return area;
    // NOTE: a one-line caption is never cut short: where the font is a little wider than
    // the one the dialog was laid out for, the caption runs past its place's far edge.
    const int overflow = CaptionWidthPx() + 1 - (area.right - area.left);
    if (overflow <= 0) return area;
    if (look_.centred) {
        area.left -= overflow / 2 + 1;
        area.right += overflow / 2 + 1;
    } else {
        area.right += overflow;
    }
    return area;
}

void Label::Draw(HDC dc) const {
    RECT area = TextArea();
    const bool oneLine = IsOneLine();
    const int saved = SaveDC(dc);
    const RECT clip = oneLine ? DrawnArea() : placePx();
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    if (look_.border) {
        const RECT place = placePx();
        common::GdiObject pen(BorderPen(RGB(0, 0, 0), site_.dpi()));
        common::SelectedObject selectedPen(dc, pen.get());
        common::SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, place.left, place.top, place.right, place.bottom);
    }
    common::SelectedObject selectedFont(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_NOPREFIX | DT_NOCLIP | (look_.centred ? DT_CENTER : DT_LEFT) |
                        (oneLine ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL);
    if (enabled_) {
        SetTextColor(dc, look_.textColour);
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, format);
    } else {
        // The greyed look: an engraved caption, a light copy under a shadow-coloured one.
        RECT lit = area;
        OffsetRect(&lit, ScaleToDpi(1, site_.dpi()), ScaleToDpi(1, site_.dpi()));
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &lit, format);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, format);
    }
    RestoreDC(dc, saved);
}

}  // namespace host
