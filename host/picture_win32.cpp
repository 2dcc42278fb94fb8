// Pictures as bitmaps; see picture_win32.h.
#include "host/picture_win32.h"

#include <algorithm>
#include <cstring>

#include "host/dib_section_win32.h"
#include "host/encoded_picture_win32.h"
#include "host/picture_scaling.h"
#include "host/program_resources_win32.h"

namespace host {

std::shared_ptr<const Picture> Picture::FromStored(const StoredPicture& picture) {
    DibSection section = MakeDibSection(picture.width, picture.height);
    if (!section.bitmap.get()) return nullptr;
    // The section's rows are padded to 4 bytes, as a stored picture's are.
    const size_t sectionBytes = ((static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3}) *
                                static_cast<size_t>(picture.height);
    std::memcpy(section.bits, picture.bgrRowsBottomUp.data(), std::min(sectionBytes, picture.bgrRowsBottomUp.size()));
    return std::shared_ptr<const Picture>(new Picture(std::move(section.bitmap), picture.width, picture.height));
}

std::shared_ptr<const Picture> Picture::FromBitmapResource(HINSTANCE module, const char* name) {
    const auto stored = StoredPictureResource(module, name);
    return stored ? FromStored(*stored) : nullptr;
}

std::shared_ptr<const Picture> Picture::FromBitmapResourceAt(HINSTANCE module, const char* name, int dpi) {
    const auto stored = StoredPictureResource(module, name);
    return stored ? FromStored(PictureAtDpi(*stored, dpi)) : nullptr;
}

std::shared_ptr<const Picture> Picture::FromEncodedResource(HINSTANCE module, const char* name) {
    const auto bytes = ResourceBytes(module, name);
    if (!bytes) return nullptr;
    DecodedBitmap decoded = DecodeWithSystemLoader(bytes->data(), bytes->size());
    if (!decoded.bitmap.get()) return nullptr;
    return std::shared_ptr<const Picture>(new Picture(std::move(decoded.bitmap), decoded.widthPx, decoded.heightPx));
}

bool Picture::CopyTo(HDC target, const RECT& destination, const RECT& source) const {
    common::MemoryDc pictureDc(target);
    if (!pictureDc.get()) return false;
    common::SelectedObject selected(pictureDc.get(), bitmap_.get());
    const int destWidth = destination.right - destination.left;
    const int destHeight = destination.bottom - destination.top;
    const int sourceWidth = source.right - source.left;
    const int sourceHeight = source.bottom - source.top;
    if (destWidth == sourceWidth && destHeight == sourceHeight) {
        return BitBlt(target, destination.left, destination.top, destWidth, destHeight,
                      pictureDc.get(), source.left, source.top, SRCCOPY) != FALSE;
    }
    SetStretchBltMode(target, COLORONCOLOR);
    return StretchBlt(target, destination.left, destination.top, destWidth, destHeight,
                      pictureDc.get(), source.left, source.top, sourceWidth, sourceHeight,
                      SRCCOPY) != FALSE;
}

}  // namespace host
