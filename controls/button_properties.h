// The push button's six persisted properties: read in their order when the button is
// loaded with its form, written in theirs when the form is saved. A stored value that
// does not convert to its property's type is skipped and the property keeps its value.
// Portable, over the host's property store.
#pragma once
#include "controls/button_state.h"
#include "host/property_store.h"

namespace controls {

// "Enabled", "Caption", "Font", "FirstRun", "FontColour", "Visible"; then RefreshFace.
ButtonSteps ReadButtonProperties(Button& button, const host::PropertyStore& store, const host::FontInfo& ambientFont);
// "Enabled", "Caption", "FirstRun", "Font", "FontColour", "Visible"; then RefreshFace.
ButtonSteps WriteButtonProperties(Button& button, host::PropertyStore& store, const host::FontInfo& ambientFont);

}  // namespace controls
