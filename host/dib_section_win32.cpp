// 24-bit DIB sections; see dib_section_win32.h.
#include "host/dib_section_win32.h"

namespace host {

DibSection MakeDibSection(int widthPx, int heightPx) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = widthPx;
    info.bmiHeader.biHeight = heightPx;  // positive: rows bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    DibSection section;
    section.bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &section.bits, nullptr, 0));
    if (!section.bits) section.bitmap.Reset(nullptr);  // a bitmap without its bits is of no use
    return section;
}

}  // namespace host
