// A picture stored with a form (the cloud texture of the saver form), and how it is
// written out as a Windows bitmap file: 24 bits per pixel, rows bottom-up, padded to four
// bytes, a 14-byte file header and a 40-byte info header. Portable: no platform headers.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct StoredPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bgrRowsBottomUp;  // blue, green, red; each row padded to 4 bytes
};

// Reads a picture from an uncompressed 24-bit bitmap file with bottom-up rows (how our
// pictures are kept as resources); nothing for any other or a damaged file.
std::optional<StoredPicture> PictureFromBitmapFile(std::string_view fileBytes);

// The bitmap file of a picture: "BM", the file size, reserved words 0, pixel offset 54;
// info header with 1 plane, 24 bits, no compression, the image size, resolutions and
// colour counts 0; then the rows as stored.
std::string BitmapFileOf(const StoredPicture& picture);
