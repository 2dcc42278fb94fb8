// File names of the dialog's stored pictures; see dialog_pictures.h.
#include "assets/dialog_pictures.h"

#include "assets/bitmap_writer.h"
#include "assets/button_face_pictures.h"
#include "assets/kind_marker_pictures.h"

namespace pictures {

std::vector<StoredPicture> MakeDialogPictures() {
    return {
        {"button_normal.bmp", MakeButtonFace(ButtonFace::Normal)},
        {"button_highlight.bmp", MakeButtonFace(ButtonFace::HighLight)},
        {"button_selected.bmp", MakeButtonFace(ButtonFace::Selected)},
        {"button_highlightselect.bmp", MakeButtonFace(ButtonFace::HighLightSelect)},
        {"button_pressed.bmp", MakeButtonFace(ButtonFace::Pressed)},
        {"button_disable.bmp", MakeButtonFace(ButtonFace::Disable)},
        {"marker_unselected.bmp", MakeKindMarker(false)},
        {"marker_selected.bmp", MakeKindMarker(true)},
    };
}

std::vector<uint8_t> BitmapFileOf(const Canvas& picture) {
    return bitmap::MakeBitmapFile(picture.width(), picture.height(), picture.BgrBottomUp());
}

}  // namespace pictures
