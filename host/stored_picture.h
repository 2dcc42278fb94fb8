// A picture stored with a form (the cloud texture of the saver form), read from and written
// out as the bitmap file of common/bitmap_file.h. Portable: no platform headers.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/bitmap_file.h"

namespace host {

struct StoredPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bgrRowsBottomUp;  // blue, green, red; each row padded to 4 bytes
};

// Reads a picture from a bitmap file with the "BM" signature (how our pictures are kept as
// resources); nothing for a file any reader refuses, a damaged one, or when its pixels do
// not fit in memory.
std::optional<StoredPicture> PictureFromBitmapFile(
    std::string_view fileBytes, common::bitmap_file::PixelBufferSizer sizePixels = &common::bitmap_file::ZeroFilledPixels);

// The bitmap file of a picture; empty for a picture that has none (sides not positive or
// too large, rows that do not match them).
std::string BitmapFileOf(const StoredPicture& picture);

}  // namespace host
