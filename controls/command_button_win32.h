// The push button `Command` on the host: a user control that paints its face from six
// pictures, follows the pointer with its 100 ms hover timer, and raises Click to the
// container. button_state decides; this file carries the steps out. Win32 only.
#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/button_properties.h"
#include "controls/button_state.h"
#include "controls/face_geometry.h"
#include "host/label_win32.h"
#include "host/picture_win32.h"
#include "host/property_store.h"
#include "host/user_control_win32.h"

namespace controls {

class CommandButton : public host::UserControl {
  public:
    // stored: the properties kept with the form for this button, read when it loads.
    CommandButton(host::Container& container, const host::TwipsRect& place, host::PropertyStore stored = {});

    // The container's handler of the button's Click event.
    std::function<void()> Click;
    // Whether the pointer is over the button, asked at each hover tick; when empty, the
    // window under the pointer is asked for. A gallery or test may hold a hover steady.
    std::function<bool()> pointerOverButton;

    // Sets the Normal state and starts the hover timer; the dialog calls it at its load.
    void Initialize();

    std::wstring Caption() const { return button_.look.caption; }
    void SetCaption(const std::wstring& caption);
    bool Enabled();
    void SetEnabled(bool enabled);
    host::FontInfo Font() const { return button_.look.font; }
    void SetFont(const host::FontInfo& font);
    int32_t FontColour();
    // False when the face is not shown (a transparent background); the caption always is.
    bool Visible();
    void SetVisible(bool visible);

    uint8_t faceState() const { return button_.state.FaceState; }
    // What the face shows of the button, for those who cannot see it (a screen reader).
    const ButtonState& state() const { return button_.state; }
    // Runs after every change the button carried out (a face painted, Click raised).
    std::function<void()> lookChanged;

  protected:
    void CreateIn(HWND parent) override;
    void OnResized() override;

  private:
    void Carry(const ButtonSteps& steps);
    // Draws the whole face from a picture; false when the picture is missing.
    bool PaintFace(FacePicture picture);
    void DrawGradient();
    void ShowCaption();
    // The six face pictures as shown at dpi, made again when the button's DPI changed.
    void UsePicturesAt(int dpi);
    void OnHoverTick();

    Button button_;
    host::PropertyStore stored_;
    bool propertiesRead_ = false;
    host::Label caption_;  // LblMsg
    host::HostTimer& hoverTimer_;  // TmrMouse
    std::array<std::shared_ptr<const host::Picture>, 6> pictures_;
    int picturesDpi_ = 0;  // the DPI the pictures were made for
    FaceSliceTable slices_{};
    bool gradientInverted_ = false;  // GradientInverted
};

}  // namespace controls
