// Twips, the unit in which form and control positions are stored: 15 to the pixel.
// Portable.
#pragma once

namespace host {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// To the nearest pixel, halves away from zero.
inline constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

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

// Each edge rounded to its nearest pixel, so neighbouring places meet without a gap.
inline constexpr PixelRect PixelsOf(const TwipsRect& place) {
    return {TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.left + place.width),
            TwipsToPixels(place.top + place.height)};
}

}  // namespace host
