// The push button's persisted properties; see button_properties.h.
#include "controls/button_properties.h"

#include <string>

namespace controls {

namespace {

// The caption a button gets when none was stored: the name of a first button on a form.
const std::wstring kReadDefaultCaption = L"Command1";
const std::wstring kWriteDefaultCaption = L"Command";

}  // namespace

ButtonSteps ReadButtonProperties(Button& button, const host::PropertyStore& store, const host::FontInfo& ambientFont) {
    ButtonState& s = button.state;
    ButtonLook& look = button.look;
    if (const auto enabled = host::ToBool(store.Read(L"Enabled", true))) s.enabled = *enabled;
    if (const auto caption = host::ToText(store.Read(L"Caption", kReadDefaultCaption))) look.caption = *caption;
    if (const auto font = host::ToFont(store.Read(L"Font", ambientFont))) look.font = *font;
    if (const auto firstRun = host::ToInt32(store.Read(L"FirstRun", std::wstring(L"1")));
        firstRun && *firstRun >= 0 && *firstRun <= 255) {
        s.FirstRun = static_cast<uint8_t>(*firstRun);
    }
    if (const auto colour = host::ToInt32(store.Read(L"FontColour", std::wstring(L"0"))); colour && IsColourValue(*colour)) {
        look.fontColour = *colour;
    }
    // Only the two background styles exist; anything else is no value for it.
    if (const auto style = host::ToInt32(store.Read(L"Visible", std::wstring(L"1")));
        style && (*style == kFaceTransparent || *style == kFaceOpaque)) {
        look.backStyle = static_cast<int16_t>(*style);
    }
    return RefreshFace(button);
}

ButtonSteps WriteButtonProperties(Button& button, host::PropertyStore& store, const host::FontInfo& ambientFont) {
    const ButtonState& s = button.state;
    const ButtonLook& look = button.look;
    store.Write(L"Enabled", s.enabled, true);
    store.Write(L"Caption", look.caption, kWriteDefaultCaption);
    store.Write(L"FirstRun", int32_t{s.FirstRun}, std::wstring(L"1"));
    store.Write(L"Font", look.font, ambientFont);
    store.Write(L"FontColour", look.fontColour, std::wstring(L"0"));
    store.Write(L"Visible", int32_t{look.backStyle}, std::wstring(L"1"));
    return RefreshFace(button);
}

}  // namespace controls
