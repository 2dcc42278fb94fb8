// The cloud picture that the tunnel wraps around its tube and the settings dialog tiles:
// made from periodic value noise, so it repeats without a seam in both directions.
// Portable and deterministic (integer arithmetic only), so every machine makes the same bytes.
#pragma once
#include <cstdint>
#include <vector>

namespace cloud {

constexpr int kSidePx = 128;

// The picture as 24-bit BGR pixels, rows bottom-up (as a BMP stores them), no padding.
std::vector<uint8_t> MakeCloudPixels();

// The whole BMP file: 14-byte file header, 40-byte info header, then the pixels.
std::vector<uint8_t> MakeCloudBitmapFile();

}  // namespace cloud
