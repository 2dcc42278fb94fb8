// Twips, the unit in which form and control positions are stored: 15 to the pixel.
// Portable.
#pragma once

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// To the nearest pixel, halves away from zero.
inline constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
