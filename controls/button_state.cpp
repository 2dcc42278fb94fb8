// The push button's behaviour; see button_state.h.
#include "controls/button_state.h"

#include "host/control_events.h"

namespace controls {

namespace {

ButtonStep Paint(FacePicture picture) { return ButtonStep{ButtonStep::Kind::Paint, picture, false}; }
ButtonStep Click() { return ButtonStep{ButtonStep::Kind::RaiseClick, FacePicture::Normal, false}; }

void Append(ButtonSteps& steps, const ButtonSteps& more) { steps.insert(steps.end(), more.begin(), more.end()); }

ButtonSteps EndHover(Button& button) {
    ButtonState& s = button.state;
    if (!s.enabled) return {};
    if (s.FaceState == kFaceHighLight) {
        s.FaceState = kFaceNormal;
        return {Paint(FacePicture::Normal)};
    }
    if (s.FaceState == kFaceHighLightSelect) {
        s.FaceState = kFaceSelected;
        return {Paint(FacePicture::Selected)};
    }
    return {};
}

// Applied when Enabled is read for the first time on an instance that was never stored.
ButtonSteps FirstRunDefaults(Button& button) {
    ButtonSteps steps = RefreshFace(button);
    button.state.FirstRun = 1;
    button.state.enabled = true;
    return steps;
}

}  // namespace

ButtonSteps OnButtonMouseMove(Button& button) {
    ButtonState& s = button.state;
    if (!s.enabled) return {};
    ButtonSteps steps;
    if (s.FaceState == kFaceNormal) {
        s.FaceState = kFaceHighLight;
        steps.push_back(Paint(FacePicture::HighLight));
    }
    // NOTE: while the button is held, a move does not take Selected back to HighLightSelect,
    // so a press dragged off and back is not a click.
    if (s.FaceState == kFaceSelected && !s.MouseHeld) {
        s.FaceState = kFaceHighLightSelect;
        steps.push_back(Paint(FacePicture::HighLightSelect));
    }
    return steps;
}

ButtonSteps OnButtonMouseDown(Button& button, int mouseButton) {
    ButtonState& s = button.state;
    if (!s.enabled || mouseButton != host::kLeftButton) return {};
    s.MouseHeld = true;
    return {Paint(FacePicture::Pressed)};
}

ButtonSteps OnButtonMouseUp(Button& button, int mouseButton) {
    ButtonState& s = button.state;
    if (!s.enabled) return {};
    ButtonSteps steps;
    if (mouseButton == host::kLeftButton) {
        s.MouseHeld = false;
        if (s.FaceState == kFaceHighLight) steps.push_back(Paint(FacePicture::Normal));
        if (s.FaceState == kFaceHighLightSelect) steps.push_back(Paint(FacePicture::HighLightSelect));
    }
    if (s.FaceState != kFaceSelected) steps.push_back(Click());
    return steps;
}

ButtonSteps OnButtonGotFocus(Button& button) {
    ButtonState& s = button.state;
    if (!s.enabled) return {};
    if (s.FaceState != kFaceHighLight) {
        s.FaceState = kFaceSelected;
        return {Paint(FacePicture::Selected)};
    }
    s.FaceState = kFaceHighLightSelect;
    return {Paint(FacePicture::Pressed)};
}

ButtonSteps OnButtonLostFocus(Button& button) {
    ButtonState& s = button.state;
    if (!s.enabled || s.FaceState == kFaceNormal) return {};
    s.FaceState = kFaceNormal;
    return {Paint(FacePicture::Normal)};
}

ButtonSteps OnButtonHoverTick(Button& button, bool pointerOverControl) {
    return pointerOverControl ? ButtonSteps{} : EndHover(button);
}

void InitializeButton(Button& button) { button.state.FaceState = kFaceNormal; }

ButtonSteps ApplyEnabledLook(Button& button) {
    button.look.captionEnabled = button.state.enabled;
    return {Paint(button.state.enabled ? FacePicture::Normal : FacePicture::Disable)};
}

ButtonSteps RefreshFace(Button& button) {
    if (!button.state.enabled) return {};
    button.look.captionEnabled = true;
    if (button.state.FirstRun == 0) button.look.fontColour = 0;
    ButtonStep paint = Paint(FacePicture::Normal);
    paint.blackCaptionOnFailure = true;
    return {paint};
}

ButtonSteps ReadEnabled(Button& button, bool& enabled) {
    ButtonSteps steps;
    if (button.state.FirstRun == 0) steps = FirstRunDefaults(button);
    enabled = button.state.enabled;
    Append(steps, ApplyEnabledLook(button));
    return steps;
}

ButtonSteps WriteEnabled(Button& button, bool enabled) {
    button.state.enabled = enabled;
    return ApplyEnabledLook(button);
}

ButtonSteps ReadFontColour(Button& button, int32_t& colour) {
    colour = button.look.fontColour;
    return RefreshFace(button);
}

bool IsColourValue(int32_t colour) {
    const auto value = static_cast<uint32_t>(colour);
    if ((value & 0xFF000000u) == 0) return true;
    // A system colour: the high bit and the index of one of the system's colours.
    return (value & 0xFFFFFF00u) == 0x80000000u && (value & 0xFFu) <= 0x18u;
}

ButtonSteps WriteFontColour(Button& button, int32_t colour) {
    if (IsColourValue(colour)) button.look.fontColour = colour;
    // A value that is no colour fails the writer's first step: the face is refreshed and
    // the writer ends; a good one is refreshed the same way.
    return RefreshFace(button);
}

ButtonSteps ReadVisible(Button& button, bool& visible) {
    if (button.look.backStyle == kFaceTransparent) {
        visible = false;
        return {};
    }
    visible = true;
    return RefreshFace(button);
}

ButtonSteps WriteVisible(Button& button, bool visible) {
    if (!visible) {
        button.look.backStyle = kFaceTransparent;
        return {};
    }
    button.look.backStyle = kFaceOpaque;
    return RefreshFace(button);
}

}  // namespace controls
