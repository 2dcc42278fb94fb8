// A window that holds controls and draws: a form, a picture box or a user control. It
// keeps a persistent drawing surface, draws its windowless controls over it, routes the
// mouse to whichever part is under the pointer (or was pressed), and turns the window's
// messages into the typed events of its handlers. It is the site its controls are placed
// on. Win32 only.
#pragma once
#include <windows.h>

#include <memory>

#include "host/control_events.h"
#include "host/control_site_win32.h"
#include "host/drawing_surface_win32.h"
#include "host/host_window_win32.h"
#include "host/picture_win32.h"
#include "host/pointer_routing.h"
#include "host/screen_pointer.h"

namespace host {

// What a container needs of the program: its window's context, and the screen-wide pointer
// that, while it is the hourglass, covers the pointers of the container's controls.
struct ContainerContext {
    WindowContext window;
    const ScreenPointer& screenPointer;
};

class Container : public HostWindow, public ControlSite {
  public:
    ControlEvents events;

    // The context of a container placed on this one (a picture box, a user control).
    ContainerContext containerContext() const { return ContainerContext{context(), screenPointer_}; }

    DrawingSurface& surface() { return surface_; }
    // Clears the surface to the background colour, with the container's picture, if it has
    // one, at its natural size in the top-left corner.
    void Cls();
    const std::shared_ptr<const Picture>& picture() const { return picture_; }
    void SetPicture(std::shared_ptr<const Picture> picture);
    // Shows the surface and the controls on the screen now.
    void Refresh();
    COLORREF background() const { return background_; }
    // The client area in pixels.
    int scaleWidthPx() const;
    int scaleHeightPx() const;

    // Draws the surface and the windowless controls of the area onto target, at the same
    // place: painting and printing both use it.
    void Compose(HDC target, const RECT& area);
    void InvalidateArea(const RECT& area) override;
    // Shows the container and everything on it at dpi: the controls take their places and
    // fonts again, and the containers among them follow.
    void SetDpi(int dpi);

  protected:
    Container(const ContainerContext& context, COLORREF background);
    ~Container() override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The surface exists from the window's creation on: a hidden window gets no size
    // notice until it is shown, and its load handler may draw already.
    void OnCreated() override;
    // Creates the windows of the windowed controls, once this window exists.
    void CreateChildWindows();
    // A container that is itself a control (picture box, user control): its child
    // window at its place in the parent, then its own controls' and timers.
    void CreateAsChild(HWND parent, const RECT& place);
    virtual void OnResized() { RunHandler(events.resize); }
    // Whether a left press gives this window the keyboard focus.
    virtual bool TakesFocusOnClick() const { return false; }
    // What lies under the controls: the surface, unless the container is transparent.
    virtual void PaintBackground(HDC target, const RECT& area);

  private:
    // The index of the topmost windowless control under the point, or the window itself.
    int HitTest(POINT pointPx) const;
    void RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void Deliver(int part, std::function<void(const MouseEvent&)> ControlEvents::*handler, const MouseEvent& event);
    bool SetPointer(LPARAM lParam);
    void Paint();
    void SizeSurface(int widthPx, int heightPx);

    const ScreenPointer& screenPointer_;
    PointerRouter router_;
    DrawingSurface surface_;
    COLORREF background_;
    std::shared_ptr<const Picture> picture_;
};

}  // namespace host
