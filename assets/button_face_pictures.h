// The six pictures the push button cuts its frame from: 64 x 25 pixels each, a whole button
// face whose outer 4 pixels are the frame the painter copies (corners as they are, edges
// stretched), so every edge band is drawn the same along its length.
#pragma once
#include "assets/picture_canvas.h"

namespace pictures {

constexpr int kFaceWidthPx = 64;
constexpr int kFaceHeightPx = 25;

enum class ButtonFace { Normal, HighLight, Selected, HighLightSelect, Pressed, Disable };

Canvas MakeButtonFace(ButtonFace face);

}  // namespace pictures
