// Fonts as values; see font_spec.h.
#include "host/font_spec.h"

#include <cmath>

bool FontSpec::operator==(const FontSpec& other) const {
    return face == other.face && sizePt == other.sizePt && weight == other.weight &&
           italic == other.italic && underline == other.underline &&
           strikethrough == other.strikethrough && charset == other.charset;
}

int FontHeightPx(const FontSpec& font, int dotsPerInch) {
    return static_cast<int>(std::lround(font.sizePt * dotsPerInch / 72.0));
}

FontSpec DialogFont() {
    FontSpec font;
    font.face = L"ＭＳ Ｐゴシック";
    font.sizePt = 9.75;
    font.charset = kShiftJisCharset;
    return font;
}
