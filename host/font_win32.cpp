// Fonts; see font_win32.h.
#include "host/font_win32.h"

namespace host {

common::GdiObject MakeFont(const FontInfo& wanted, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -FontHeightPx(wanted, dpi);
    font.lfWeight = wanted.weight;
    font.lfItalic = wanted.italic;
    font.lfUnderline = wanted.underline;
    font.lfStrikeOut = wanted.strikethrough;
    font.lfCharSet = wanted.charset;
    lstrcpynW(font.lfFaceName, wanted.face.c_str(), LF_FACESIZE);
    return common::GdiObject(CreateFontIndirectW(&font));
}

}  // namespace host
