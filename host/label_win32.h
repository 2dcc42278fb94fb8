// A windowless label: a caption in a font of its own and a text colour, drawn on a
// transparent background over its container, left-aligned or centred; an enabled or a
// disabled (greyed) look and an optional single-line border. A label of one line's height
// keeps its caption on that line; a taller one wraps it to its width. Win32 only.
#pragma once
#include <windows.h>

#include <string>

#include "common/gdi_objects_win32.h"
#include "host/control_win32.h"
#include "host/font_info.h"

namespace host {

struct LabelLook {
    FontInfo font = DialogFont();
    COLORREF textColour = RGB(0, 0, 0);
    bool centred = false;
    bool border = false;
};

class Label : public WindowlessControl {
  public:
    Label(ControlSite& site, const TwipsRect& place, std::wstring caption, LabelLook look = {});

    const std::wstring& caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    const FontInfo& font() const { return look_.font; }
    void SetFont(const FontInfo& font);
    COLORREF textColour() const { return look_.textColour; }
    void SetTextColour(COLORREF colour);
    bool enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The height of one line of the caption in the label's font, in pixels.
    int LineHeightPx() const;
    RECT DrawnArea() const override;
    void OnSiteDpiChanged() override;
    // The caption's width in the label's font, in pixels at the site's DPI.
    int CaptionWidthPx() const;

  protected:
    void Draw(HDC dc) const override;

  private:
    HFONT Font() const;
    bool IsOneLine() const;
    // Where the caption is drawn: inside the border, if there is one.
    RECT TextArea() const;

    std::wstring caption_;
    LabelLook look_;
    bool enabled_ = true;
    mutable common::GdiObject font_;  // made when first drawn, again after a font change
};

}  // namespace host
