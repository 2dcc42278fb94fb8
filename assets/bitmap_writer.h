// The generators' side of the bitmap file: pictures made as unpadded BGR rows become the file
// of common/bitmap_file.h, which lays out the headers for every picture we keep. Portable (no
// platform headers), so the native generators and their tests share it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace bitmap {

// The whole file (headers, then each row padded to a multiple of 4 bytes). `bgrBottomUp`
// holds width * height BGR triples, bottom row first, without padding. Empty when the sizes
// are not positive, too large for a reader, or do not match.
std::vector<uint8_t> MakeBitmapFile(int width, int height, const std::vector<uint8_t>& bgrBottomUp);

// Writes bytes to a file, replacing it; false (with errno set by the C library) when it fails.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace bitmap
