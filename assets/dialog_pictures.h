// The settings dialog's stored pictures as committed under assets/: the six button faces and
// the two kind markers, each with its file name. Portable; the generator writes them and a
// test keeps the committed files equal to them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets/picture_canvas.h"

namespace pictures {

struct StoredPicture {
    std::string fileName;
    Canvas picture;
};

std::vector<StoredPicture> MakeDialogPictures();

// The picture as a bitmap file in the layout every stored picture uses.
std::vector<uint8_t> BitmapFileOf(const Canvas& picture);

}  // namespace pictures
