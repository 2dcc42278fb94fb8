// A picture as 8-bit RGB triples, rows top-down without padding: what the off-screen tunnel
// render gives and what the JPEG encoder takes. Portable.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes

    const uint8_t* Pixel(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};
