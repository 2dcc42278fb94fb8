// The BMP module's file side: ReadBitmapFile opens the texture file, hands its bytes to the
// portable reader and shows the module's messages ("BMP Unit") in the order they arise.
#pragma once
#include <string>

#include "renderer/bmp_decode.h"

namespace renderer {

// No data (HasData() false) when the file cannot be opened, its colour table is cut short,
// or its headers are refused; the pixels as read when the pixel data is cut short.
renderer::BitmapRead ReadBitmapFile(const std::string& path);

}  // namespace renderer
