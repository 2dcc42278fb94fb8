// Fonts; see font_win32.h.
#include "host/font_win32.h"

#include "host/gdi_objects_win32.h"

HFONT MakeFont(const FontSpec& spec) {
    LOGFONTW font{};
    WindowDc screen(nullptr);
    font.lfHeight = -FontHeightPx(spec, GetDeviceCaps(screen.get(), LOGPIXELSY));
    font.lfWeight = spec.weight;
    font.lfItalic = spec.italic;
    font.lfUnderline = spec.underline;
    font.lfStrikeOut = spec.strikethrough;
    font.lfCharSet = spec.charset;
    lstrcpynW(font.lfFaceName, spec.face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}
