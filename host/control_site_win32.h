// The window a control is placed on, as its controls see it: the controls placed there (in
// drawing order), the font they take as their ambient font, and a redraw of an area. Every
// container is one. The controls know no more of it, so that containers and controls do not
// include each other. Win32 only.
#pragma once
#include <windows.h>

#include <vector>

#include "host/dpi_scale.h"
#include "host/font_info.h"

namespace host {

class WindowlessControl;
class WindowedControl;

class ControlSite {
  public:
    ControlSite(const ControlSite&) = delete;
    ControlSite& operator=(const ControlSite&) = delete;

    // The site's font, which its controls take as their ambient font.
    const FontInfo& controlsFont() const { return font_; }
    void SetControlsFont(const FontInfo& font) { font_ = font; }
    // The resolution the site's window is shown at: its controls' places, fonts, borders and
    // pictures follow it.
    int dpi() const { return dpi_; }
    // Asks for an area, in the site's client pixels, to be drawn again.
    virtual void InvalidateArea(const RECT& area) = 0;

  protected:
    ControlSite() = default;
    virtual ~ControlSite() = default;

    const std::vector<WindowlessControl*>& windowlessControls() const { return windowless_; }
    const std::vector<WindowedControl*>& windowedControls() const { return windowed_; }
    void SetSiteDpi(int dpi) { dpi_ = UsableDpi(dpi); }

  private:
    // The controls add and remove themselves as they come and go.
    friend class WindowlessControl;
    friend class WindowedControl;

    std::vector<WindowlessControl*> windowless_;  // in drawing order: later ones on top
    std::vector<WindowedControl*> windowed_;
    FontInfo font_;
    int dpi_ = kDesignDpi;
};

}  // namespace host
