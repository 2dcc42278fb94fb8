// Drawing surface of the generated pictures; see picture_canvas.h.
#include "assets/picture_canvas.h"

#include <algorithm>

namespace pictures {

Rgb Mix(Rgb from, Rgb to, int part, int whole) {
    auto channel = [&](int a, int b) { return a + ((b - a) * part * 2 + (b >= a ? whole : -whole)) / (2 * whole); };
    return Rgb{channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

Rgb Canvas::At(int x, int y) const { return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)]; }

void Canvas::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = colour;
}

void Canvas::FillRounded(const PixelRect& rect, int radiusEighths, const Paint& paint) {
    // Positions in sixteenths of a pixel, so that the centre of every eighth is a whole number.
    constexpr int kSamples = 8;
    constexpr int kUnit = 2 * kSamples;
    const int radius = radiusEighths * 2;
    // The straight middle of the shape; a radius wider than half the rectangle leaves a point.
    int left = rect.left * kUnit + radius;
    int right = rect.right * kUnit - radius;
    int top = rect.top * kUnit + radius;
    int bottom = rect.bottom * kUnit - radius;
    if (left > right) left = right = (left + right) / 2;
    if (top > bottom) top = bottom = (top + bottom) / 2;
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y) {
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x) {
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const int px = x * kUnit + sx * 2 + 1;
                    const int py = y * kUnit + sy * 2 + 1;
                    const int dx = px - std::clamp(px, left, right);
                    const int dy = py - std::clamp(py, top, bottom);
                    if (dx * dx + dy * dy <= radius * radius) ++covered;
                }
            }
            if (covered > 0) Set(x, y, Mix(At(x, y), paint(x, y), covered, kSamples * kSamples));
        }
    }
}

std::vector<uint8_t> Canvas::BgrBottomUp() const {
    std::vector<uint8_t> out;
    out.reserve(pixels_.size() * 3);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb c = At(x, y);
            out.push_back(static_cast<uint8_t>(c.b));
            out.push_back(static_cast<uint8_t>(c.g));
            out.push_back(static_cast<uint8_t>(c.r));
        }
    }
    return out;
}

}  // namespace pictures
