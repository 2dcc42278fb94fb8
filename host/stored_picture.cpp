// Stored pictures and their bitmap files; see stored_picture.h.
#include "host/stored_picture.h"

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes;
constexpr int32_t kMaxSide = 8192;

uint32_t RowBytes(int32_t width) { return (static_cast<uint32_t>(width) * 3 + 3) & ~3u; }

uint32_t ReadLe32(std::string_view bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

uint16_t ReadLe16(std::string_view bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

void AppendLe32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}

void AppendLe16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value));
    out.push_back(static_cast<char>(value >> 8));
}

}  // namespace

std::optional<StoredPicture> PictureFromBitmapFile(std::string_view fileBytes) {
    if (fileBytes.size() < kPixelOffset || fileBytes.substr(0, 2) != "BM") return std::nullopt;
    const uint32_t pixelOffset = ReadLe32(fileBytes, 10);
    const auto width = static_cast<int32_t>(ReadLe32(fileBytes, 18));
    const auto height = static_cast<int32_t>(ReadLe32(fileBytes, 22));
    const uint16_t bitsPerPixel = ReadLe16(fileBytes, 28);
    const uint32_t compression = ReadLe32(fileBytes, 30);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        bitsPerPixel != 24 || compression != 0 || pixelOffset < kPixelOffset) {
        return std::nullopt;
    }
    const uint64_t pixelBytes = uint64_t{RowBytes(width)} * static_cast<uint32_t>(height);
    if (pixelOffset > fileBytes.size() || fileBytes.size() - pixelOffset < pixelBytes) {
        return std::nullopt;
    }
    StoredPicture picture;
    picture.width = width;
    picture.height = height;
    const char* first = fileBytes.data() + pixelOffset;
    picture.bgrRowsBottomUp.assign(first, first + pixelBytes);
    return picture;
}

std::string BitmapFileOf(const StoredPicture& picture) {
    const auto imageBytes = static_cast<uint32_t>(picture.bgrRowsBottomUp.size());
    std::string out;
    out.reserve(kPixelOffset + imageBytes);
    out += "BM";
    AppendLe32(out, kPixelOffset + imageBytes);
    AppendLe16(out, 0);
    AppendLe16(out, 0);
    AppendLe32(out, kPixelOffset);
    AppendLe32(out, kInfoHeaderBytes);
    AppendLe32(out, static_cast<uint32_t>(picture.width));
    AppendLe32(out, static_cast<uint32_t>(picture.height));  // positive: rows bottom-up
    AppendLe16(out, 1);
    AppendLe16(out, 24);
    AppendLe32(out, 0);  // no compression
    AppendLe32(out, imageBytes);
    AppendLe32(out, 0);
    AppendLe32(out, 0);
    AppendLe32(out, 0);
    AppendLe32(out, 0);
    out.append(reinterpret_cast<const char*>(picture.bgrRowsBottomUp.data()), imageBytes);
    return out;
}
