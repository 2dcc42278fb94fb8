// The renderer's window: class "OpenGL", title "Cirrovance_Tunnel", borderless over every
// monitor, with its device context, current GL context, title timer, key table and the layout
// of the pictures the scene draws in it.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "common/gdi_objects_win32.h"
#include "common/power_notice_win32.h"
#include "common/power_state.h"
#include "renderer/gl_context_win32.h"
#include "renderer/monitor_layout.h"
#include "renderer/run_rules.h"

namespace renderer {

constexpr const char* kRendererWindowClass = "OpenGL";

class RenderWindow {
  public:
    RenderWindow() = default;
    RenderWindow(const RenderWindow&) = delete;
    RenderWindow& operator=(const RenderWindow&) = delete;

    // OpenRenderWindow up to the scene: true when window, DC and current context exist and the
    // window is shown; on false everything obtained has been released again. The window releases
    // them all, in CloseRenderWindow's order, when it goes.
    bool Open();

    HDC dc() const { return dc_.get(); }
    HWND window() const { return window_.get(); }
    const KeyTable& keys() const { return keys_; }
    // Where in the window the scene draws, as laid over the monitors and following its size.
    const std::vector<GlViewport>& viewports() const { return layout_.viewports; }
    // The driver accepted one retrace per swap (which it may still not honour).
    bool swapWaitsOffered() const { return swapWaitsOffered_; }
    // The display is off, as the system's display state notification last said.
    bool displayAsleep() const { return !common::DisplayShows(power_); }
    // On battery, or a battery or energy saver on, as the power notifications last said.
    bool sparesPower() const { return common::SparesPower(power_); }
    // True for a moment after the window has followed a change of the monitors
    // (WM_DISPLAYCHANGE), while the system may still move the hidden pointer: off a monitor
    // that went, or along with the screen's coordinates. Such a move is no user's.
    bool PointerSettling() const;
    // Lays the window over the monitors again if they are no longer those it lies over, and
    // says whether it did: the pointer can move with a change of the monitors before the
    // window has been told of the change.
    bool CatchUpWithTheMonitors();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Places the window over the desk and lays out its pictures as the layout says.
    void LayOver(const Desk& desk);
    // CloseRenderWindow: context, DC, timer, window, class, in that order, each only if it exists.
    void Close();

    KeyTable keys_;
    bool swapWaitsOffered_ = false;
    common::PowerState power_;
    Desk desk_;                                 // as the system reported it when last laid over
    WindowLayout layout_;                       // laid over desk_, then following the window's size
    std::optional<DWORD> displaysChangedAtMs_;  // GetTickCount when it was last laid anew
    // Declared so that destruction runs context, DC, timer, window, class, as Close does.
    RegisteredClass class_;
    OwnedWindow window_;
    WindowTimer titleTimer_;            // TitleTimer
    // Gone before the window they name.
    common::PowerSettingRegistration displayNotice_;
    common::PowerSettingRegistration powerSourceNotice_;
    common::PowerSettingRegistration batterySaverNotice_;
    common::PowerSettingRegistration energySaverNotice_;
    common::WindowDc dc_;
    CurrentGlContext context_;
};

}  // namespace renderer
