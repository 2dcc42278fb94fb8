// Pictures as bitmaps; see picture_win32.h.
#include "host/picture_win32.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "host/encoded_picture_win32.h"
#include "host/gdi_objects_win32.h"

namespace {

// The bytes of an RCDATA resource of the module, which live as long as the module.
std::optional<std::string_view> ResourceBytes(HINSTANCE module, const char* name) {
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10) /*RT_RCDATA*/);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(module, found));
}

}  // namespace

Picture::~Picture() { DeleteObject(bitmap_); }

std::shared_ptr<const Picture> Picture::FromStored(const StoredPicture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = picture.height;  // rows bottom-up, as stored
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    // The section's rows are padded to 4 bytes, as a stored picture's are.
    const size_t sectionBytes = ((static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3}) *
                                static_cast<size_t>(picture.height);
    std::memcpy(bits, picture.bgrRowsBottomUp.data(), std::min(sectionBytes, picture.bgrRowsBottomUp.size()));
    return std::shared_ptr<const Picture>(new Picture(bitmap, picture.width, picture.height));
}

std::shared_ptr<const Picture> Picture::FromBitmapResource(HINSTANCE module, const char* name) {
    const auto bytes = ResourceBytes(module, name);
    if (!bytes) return nullptr;
    const auto stored = PictureFromBitmapFile(*bytes);
    return stored ? FromStored(*stored) : nullptr;
}

std::shared_ptr<const Picture> Picture::FromEncodedResource(HINSTANCE module, const char* name) {
    const auto bytes = ResourceBytes(module, name);
    if (!bytes) return nullptr;
    const DecodedBitmap decoded = DecodeWithSystemLoader(bytes->data(), bytes->size());
    if (!decoded.bitmap) return nullptr;
    return std::shared_ptr<const Picture>(new Picture(decoded.bitmap, decoded.widthPx, decoded.heightPx));
}

bool Picture::CopyTo(HDC target, const RECT& destination, const RECT& source) const {
    MemoryDc pictureDc(target);
    if (!pictureDc.get()) return false;
    SelectedObject selected(pictureDc.get(), bitmap_);
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
