// Pictures for looking at the dialog's pictures, written into the build folder only: an
// enlarged contact sheet, and the button faces as the button paints them at the dialog's sizes.
#pragma once
#include <vector>

#include "assets/dialog_pictures.h"

namespace pictures {

// Every picture enlarged 8 times, two to a row, on a mid grey that sets off the beige rim.
Canvas MakeContactSheet(const std::vector<StoredPicture>& stored);

// At 1:1, each face as the button draws it: its gradient, then the frame pieces (corners
// 4 x 4 as they are, edges stretched) at 81 x 25 on the dialog's blue and at 29 x 21 on the
// cloud panel's grey; below them the two markers on the panel's grey and white.
Canvas MakePaintedFaces();

}  // namespace pictures
