// A user control: a child window that a control of the program's own (the push button)
// is made of. It has a persistent drawing surface that can be cleared and shown again,
// windowless constituents, the container's font as its ambient font, the property store
// notices, events raised to the container, and an opaque or transparent background.
// Win32 only.
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "host/container_win32.h"
#include "host/control_win32.h"

namespace host {

// Background styles of a user control.
inline constexpr int16_t kTransparentBackground = 0;
inline constexpr int16_t kOpaqueBackground = 1;

class UserControl : public Container, public WindowedControl {
  public:
    HWND controlWindow() const override { return window(); }
    void FollowSiteDpi() override;

    int16_t backStyle() const { return backStyle_; }
    // Transparent: the container shows through where the surface would be; the
    // constituents are still drawn.
    void SetBackStyle(int16_t style);
    // The font of the container the control sits on.
    const FontInfo& AmbientFont() const { return site().controlsFont(); }

    // Who hears that a property changed (the host saving the form); none by default.
    std::function<void(std::wstring_view name)> propertyChangedSink;

  protected:
    UserControl(Container& container, const TwipsRect& place);

    void PropertyChanged(std::wstring_view name);
    // Runs the container's handler of one of the control's events, as a handler.
    void RaiseEvent(const std::function<void()>& containerHandler);

    void CreateIn(HWND parent) override;
    bool TakesFocusOnClick() const override { return CanTakeFocus(); }
    void PaintBackground(HDC target, const RECT& area) override;

  private:
    int16_t backStyle_ = kOpaqueBackground;
};

}  // namespace host
