// A small RGB drawing surface for the generated pictures, addressed top-down as one looks at
// them, with anti-aliased rounded rectangles. Integer arithmetic only, so every machine makes
// the same pixels; portable (no platform headers).
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace pictures {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

constexpr Rgb Hex(uint32_t rrggbb) {
    return Rgb{static_cast<int>(rrggbb >> 16 & 0xFF), static_cast<int>(rrggbb >> 8 & 0xFF),
               static_cast<int>(rrggbb & 0xFF)};
}

// `from` moved toward `to` by part / whole, rounded to the nearest value.
Rgb Mix(Rgb from, Rgb to, int part, int whole);

// A colour chosen per pixel (x, y), for fills that shade or differ by side.
using Paint = std::function<Rgb(int x, int y)>;

// Pixel edges, left and top inclusive: [left, right) x [top, bottom).
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

class Canvas {
  public:
    Canvas(int width, int height, Rgb fill);
    int width() const { return width_; }
    int height() const { return height_; }
    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb colour);

    // Covers the rectangle with rounded corners of radius radiusEighths / 8 pixels, blending
    // each pixel by the share of it the shape covers (8 x 8 samples a pixel).
    void FillRounded(const PixelRect& rect, int radiusEighths, const Paint& paint);

    // What the bitmap writer takes: BGR triples, bottom row first.
    std::vector<uint8_t> BgrBottomUp() const;

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;  // top row first
};

}  // namespace pictures
