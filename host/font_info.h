// A font as forms and controls hold it: face, size in points, weight, style and character
// set. Portable; the platform makes the real font from it.
#pragma once
#include <cstdint>
#include <string>

namespace host {

inline constexpr int kNormalWeight = 400;
inline constexpr int kBoldWeight = 700;
inline constexpr uint8_t kShiftJisCharset = 128;

struct FontInfo {
    std::wstring face;
    double sizePt = 9.0;
    int weight = kNormalWeight;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    uint8_t charset = 0;

    bool operator==(const FontInfo& other) const;
    bool operator!=(const FontInfo& other) const { return !(*this == other); }
};

// The character height in pixels for a screen of dotsPerInch: points are 1/72 inch,
// rounded to the nearest pixel (9.75 pt is 13 pixels at 96 dots per inch).
int FontHeightPx(const FontInfo& font, int dotsPerInch);

// The font every label of the front end's dialog uses: "ＭＳ Ｐゴシック", 9.75 pt, normal
// weight, Shift-JIS character set.
FontInfo DialogFont();

}  // namespace host
