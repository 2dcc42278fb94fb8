// The one place that lays out the stored pictures' file format: an uncompressed 24-bit Windows
// bitmap, rows bottom-up, no colour table. Portable (no platform headers), so the native
// generators and their tests share it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace bitmap {

// The whole file: 14-byte file header, 40-byte info header (pixels at offset 54), then the rows
// with each padded to a multiple of 4 bytes. `bgrBottomUp` holds width * height BGR triples,
// bottom row first, without padding. Empty when the sizes are not positive or do not match.
std::vector<uint8_t> MakeBitmapFile(int width, int height, const std::vector<uint8_t>& bgrBottomUp);

// Writes bytes to a file, replacing it; false (with errno set by the C library) when it fails.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace bitmap
