// Fonts as values; see font_info.h.
#include "host/font_info.h"

#include <cmath>

namespace host {

bool FontInfo::operator==(const FontInfo& other) const {
    return face == other.face && sizePt == other.sizePt && weight == other.weight &&
           italic == other.italic && underline == other.underline &&
           strikethrough == other.strikethrough && charset == other.charset;
}

int FontHeightPx(const FontInfo& font, int dotsPerInch) {
    return static_cast<int>(std::lround(font.sizePt * dotsPerInch / 72.0));
}

FontInfo DialogFont() {
    FontInfo font;
    font.face = L"ＭＳ Ｐゴシック";
    font.sizePt = 9.75;
    font.charset = kShiftJisCharset;
    return font;
}

}  // namespace host
