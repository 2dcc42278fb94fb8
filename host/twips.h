// Twips, the unit in which form and control positions are stored: 15 to the pixel.
// Portable.
#pragma once

#include "host/dpi_scale.h"

namespace host {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// To the nearest pixel at 96 DPI, halves away from zero.
inline constexpr int TwipsToPixels(int twips) { return TwipsToPixelsAt(twips, kDesignDpi); }

// A control's place in its container, in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A place given in pixels, as the stored twips.
inline constexpr TwipsRect TwipsRectOfPixels(int left, int top, int width, int height) {
    return {PixelsToTwips(left), PixelsToTwips(top), PixelsToTwips(width), PixelsToTwips(height)};
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Each edge rounded to its nearest pixel at dpi, so neighbouring places meet without a gap
// at any scale.
inline constexpr PixelRect PixelsOf(const TwipsRect& place, int dpi = kDesignDpi) {
    return {TwipsToPixelsAt(place.left, dpi), TwipsToPixelsAt(place.top, dpi),
            TwipsToPixelsAt(place.left + place.width, dpi), TwipsToPixelsAt(place.top + place.height, dpi)};
}

}  // namespace host
