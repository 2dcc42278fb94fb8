// What every control placed on a form, picture box or user control has: a place in twips
// on its site (the container), visibility, and its kind: windowless (labels, images,
// frames, drawn by the container over its surface) or windowed (picture boxes, combo boxes,
// user controls, each a child window). Win32 only.
#pragma once
#include <windows.h>

#include "host/control_events.h"
#include "host/control_site_win32.h"
#include "host/twips.h"

namespace host {

class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlSite& site() const { return site_; }
    const TwipsRect& placeTwips() const { return place_; }
    // The place in pixels of the container's client area, at the container's DPI.
    RECT placePx() const;
    virtual void Move(const TwipsRect& place) = 0;
    bool shown() const { return shown_; }
    virtual void SetShown(bool shown) = 0;

  protected:
    Control(ControlSite& site, const TwipsRect& place) : site_(site), place_(place) {}
    virtual ~Control() = default;

    ControlSite& site_;
    TwipsRect place_;
    bool shown_ = true;
};

class WindowlessControl : public Control {
  public:
    ControlEvents events;
    // The mouse pointer over the control; none keeps the container's.
    HCURSOR pointer = nullptr;

    void Move(const TwipsRect& place) override;
    void SetShown(bool shown) override;
    bool Contains(POINT pointPx) const;

    // What the control draws on, in the container's pixels: its place, unless it draws
    // beyond it.
    virtual RECT DrawnArea() const { return placePx(); }
    // The site's DPI changed: what the control keeps for the old one (a font) goes.
    virtual void OnSiteDpiChanged() {}

  protected:
    WindowlessControl(ControlSite& site, const TwipsRect& place);
    ~WindowlessControl() override;
    // Draws the control onto dc, whose origin is the container's client origin.
    virtual void Draw(HDC dc) const = 0;
    // Asks the container to draw the control again.
    void Invalidate() const;

  private:
    friend class Container;
};

class WindowedControl : public Control {
  public:
    virtual HWND controlWindow() const = 0;
    // Whether Tab or a click may give it the keyboard focus.
    bool CanTakeFocus() const;
    bool tabStop = true;

    void Move(const TwipsRect& place) override;
    void SetShown(bool shown) override;
    // The site's DPI changed: the control takes its place again at the new one (and a control
    // that holds controls passes the DPI on to them).
    virtual void FollowSiteDpi() { Move(place_); }

  protected:
    WindowedControl(ControlSite& site, const TwipsRect& place);
    ~WindowedControl() override;
    // Creates the control's window in the container's window, once that exists.
    virtual void CreateIn(HWND parent) = 0;

  private:
    friend class Container;
};

}  // namespace host
