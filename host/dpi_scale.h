// The one rule by which a place described at 96 dots per inch (in pixels, or in twips: 15 to
// such a pixel) becomes pixels of a display of another DPI: scaled by DPI/96 and rounded to
// the nearest pixel, halves away from zero. Every position, size, border and picture of the
// front end's forms scales through it, so that at 96 DPI nothing moves. Portable.
#pragma once
#include <cstdint>

namespace host {

// The resolution every described place is given for.
inline constexpr int kDesignDpi = 96;
// A twip is 1/1440 inch: 15 to a pixel at the design resolution.
inline constexpr int kTwipsPerInch = 1440;

// value * numerator / denominator to the nearest whole number, halves away from zero.
constexpr int ScaleRounded(int64_t value, int64_t numerator, int64_t denominator) {
    const int64_t twice = 2 * value * numerator;
    const int64_t whole = 2 * denominator;
    return static_cast<int>(twice >= 0 ? (twice + denominator) / whole : -((-twice + denominator) / whole));
}

// A length of pixels at 96 DPI, at dpi.
constexpr int ScaleToDpi(int designPx, int dpi) { return ScaleRounded(designPx, dpi, kDesignDpi); }

// A length or position in twips, as pixels at dpi.
constexpr int TwipsToPixelsAt(int twips, int dpi) { return ScaleRounded(twips, dpi, kTwipsPerInch); }

// Pixels at dpi as twips of the design resolution (the inverse, to the nearest twip).
constexpr int PixelsToTwipsAt(int pixels, int dpi) { return ScaleRounded(pixels, kTwipsPerInch, dpi); }

// A DPI the system gave, or the design DPI for none (0, or nonsense from an older system).
constexpr int UsableDpi(int dpi) { return dpi >= 24 && dpi <= 2400 ? dpi : kDesignDpi; }

}  // namespace host
