// The renderer's window: class "OpenGL", title "Cirrovance_Tunnel", borderless over every
// monitor, with its device context, current GL context, title timer and key table.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "common/exchange_names.h"
#include "common/gdi_objects_win32.h"
#include "renderer/display_power_win32.h"
#include "renderer/gl_context_win32.h"
#include "renderer/monitors_win32.h"
#include "renderer/run_rules.h"
#include "renderer/tunnel_scene_win32.h"

namespace renderer {

constexpr const char* kRendererWindowClass = "OpenGL";

class RenderWindow {
  public:
    explicit RenderWindow(TunnelScene& scene, std::string texturePath = common::kRendererTexturePath.data())
        : scene_(scene), texturePath_(std::move(texturePath)) {}
    ~RenderWindow() { Close(); }
    RenderWindow(const RenderWindow&) = delete;
    RenderWindow& operator=(const RenderWindow&) = delete;

    // OpenRenderWindow: true when window, DC and current context exist and the scene is
    // prepared; on false everything obtained has been released again.
    bool Open();
    // CloseRenderWindow: context, DC, window, class, in that order, each only if it exists.
    void Close();

    HDC dc() const { return dc_.get(); }
    HWND window() const { return window_.get(); }
    const KeyTable& keys() const { return keys_; }
    // The driver accepted one retrace per swap (which it may still not honour).
    bool swapWaitsOffered() const { return swapWaitsOffered_; }
    // The display is off, as the system's display state notification last said.
    bool displayAsleep() const { return displayAsleep_; }
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
    // Places the window and sets the scene's viewports as the layout says.
    void LayOver(const WindowLayout& layout);

    TunnelScene& scene_;
    std::string texturePath_;
    KeyTable keys_;
    bool swapWaitsOffered_ = false;
    bool displayAsleep_ = false;
    WindowLayout layout_;                       // the monitors the window lies over
    std::optional<DWORD> displaysChangedAtMs_;  // GetTickCount when it was last laid anew
    // Declared so that destruction runs context, DC, window, class, as Close does.
    RegisteredClass class_;
    OwnedWindow window_;
    DisplayPowerNotice displayNotice_;  // gone before the window it names
    common::WindowDc dc_;
    CurrentGlContext context_;
};

}  // namespace renderer
