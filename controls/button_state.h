// The push button's behaviour: its visual state, held mouse button, enabled flag and
// first-run mark; what each mouse, focus and timer notification and each property access
// does to them; and which face picture is painted when, and when Click is raised.
// Portable: the platform side carries out the steps, in order.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/font_info.h"

namespace controls {

// The six face pictures.
enum class FacePicture : uint8_t { Normal, HighLight, Selected, HighLightSelect, Pressed, Disable };

// FaceState values. 0 until Initialize.
inline constexpr uint8_t kFaceNormal = 1;           // neither focused nor under the pointer
inline constexpr uint8_t kFaceHighLight = 2;        // under the pointer, not focused
inline constexpr uint8_t kFaceSelected = 3;         // focused, pointer elsewhere
inline constexpr uint8_t kFaceHighLightSelect = 4;  // focused and under the pointer

// Background styles as the "Visible" property stores them.
inline constexpr int16_t kFaceTransparent = 0;
inline constexpr int16_t kFaceOpaque = 1;

struct ButtonState {
    uint8_t FaceState = 0;
    bool MouseHeld = false;
    bool enabled = false;  // the "Enabled" property; the control's window is never disabled
    uint8_t FirstRun = 0;  // 1 once the first-run defaults have been applied
};

// The caption label and background, as the properties see them.
struct ButtonLook {
    std::wstring caption = L"Command";
    host::FontInfo font = host::DialogFont();
    int32_t fontColour = 0;       // the caption's text colour
    bool captionEnabled = true;   // false draws the caption greyed
    int16_t backStyle = kFaceOpaque;
};

struct Button {
    ButtonState state;
    ButtonLook look;
};

// One thing for the platform to do.
struct ButtonStep {
    enum class Kind : uint8_t { Paint, RaiseClick };
    Kind kind = Kind::Paint;
    FacePicture picture = FacePicture::Normal;
    // A paint of RefreshFace: if it fails, the caption turns black before going on.
    bool blackCaptionOnFailure = false;

    bool operator==(const ButtonStep& other) const {
        return kind == other.kind && (kind == Kind::RaiseClick || picture == other.picture);
    }
};
using ButtonSteps = std::vector<ButtonStep>;

// Mouse notifications of the control or its caption label; button is the host's number.
ButtonSteps OnButtonMouseMove(Button& button);
ButtonSteps OnButtonMouseDown(Button& button, int mouseButton);
ButtonSteps OnButtonMouseUp(Button& button, int mouseButton);
ButtonSteps OnButtonGotFocus(Button& button);
ButtonSteps OnButtonLostFocus(Button& button);
// The hover timer's tick, told whether the window under the pointer is the control's.
ButtonSteps OnButtonHoverTick(Button& button, bool pointerOverControl);

// Initialize: FaceState Normal; the caller starts the hover timer. Paints nothing.
void InitializeButton(Button& button);
ButtonSteps ApplyEnabledLook(Button& button);
ButtonSteps RefreshFace(Button& button);

// The property accessors.
ButtonSteps ReadEnabled(Button& button, bool& enabled);
ButtonSteps WriteEnabled(Button& button, bool enabled);
ButtonSteps ReadFontColour(Button& button, int32_t& colour);
// false when the colour is not one (the writer then refreshes the face and stops).
bool IsColourValue(int32_t colour);
ButtonSteps WriteFontColour(Button& button, int32_t colour);
ButtonSteps ReadVisible(Button& button, bool& visible);
ButtonSteps WriteVisible(Button& button, bool visible);

}  // namespace controls
