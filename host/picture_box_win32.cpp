// Picture boxes; see picture_box_win32.h.
#include "host/picture_box_win32.h"

#include <utility>

#include "host/form_host_win32.h"

PictureBox::PictureBox(Container& container, const TwipsRect& place, COLORREF background,
                       std::shared_ptr<const Picture> picture)
    : Container(container.host(), background), WindowedControl(container, place) {
    SetPicture(std::move(picture));
    SetControlsFont(container.controlsFont());
    if (container.window()) CreateIn(container.window());
}

void PictureBox::CreateIn(HWND parent) {
    if (window()) return;
    if (!CreateHostWindow(0, FormHost::kControlClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          placePx(), parent)) {
        return;
    }
    CreateChildWindows();
    ArmTimers();
}
