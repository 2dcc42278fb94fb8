// The bitmap file's layout and the readers' rules; see bitmap_file.h.
#include "common/bitmap_file.h"

#include <new>

namespace common {

namespace bitmap_file {
namespace {

uint32_t Le32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

InfoHeader ReadInfoHeader(const uint8_t* infoHeader) {
    InfoHeader header;
    header.width = static_cast<int32_t>(Le32(infoHeader + 4));
    header.height = static_cast<int32_t>(Le32(infoHeader + 8));
    header.bitsPerPixel = Le16(infoHeader + 14);
    header.compression = Le32(infoHeader + 16);
    header.sizeImage = Le32(infoHeader + 20);
    header.coloursUsed = Le32(infoHeader + 32);
    return header;
}

HeaderFault FaultOf(const InfoHeader& header) {
    if (header.width <= 0 || header.height <= 0) return HeaderFault::SizeNotPositive;
    if (header.bitsPerPixel != 24) return HeaderFault::NotTwentyFourBit;
    if (header.compression != 0) return HeaderFault::Compressed;
    if (header.width > kMaxSidePx || header.height > kMaxSidePx) return HeaderFault::TooLarge;
    return HeaderFault::None;
}

uint64_t PaddedRowsBytes(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return 0;
    const uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(width)} * 3 + 3) & ~uint64_t{3};
    return rowBytes * static_cast<uint32_t>(height);
}

void ZeroFilledPixels(std::vector<uint8_t>& pixels, size_t bytes) { pixels.assign(bytes, 0); }

bool MakePixelBuffer(std::vector<uint8_t>& pixels, uint64_t bytes, PixelBufferSizer sizePixels) noexcept {
    if (bytes > SIZE_MAX) return false;
    try {
        sizePixels(pixels, static_cast<size_t>(bytes));
    } catch (const std::bad_alloc&) {
        pixels.clear();
        return false;
    }
    return true;
}

void AppendInfoHeader(std::vector<uint8_t>& out, int32_t width, int32_t height, uint16_t bitsPerPixel,
                      uint32_t imageBytes) {
    PutLe(out, kInfoHeaderBytes, 4);
    PutLe(out, static_cast<uint32_t>(width), 4);
    PutLe(out, static_cast<uint32_t>(height), 4);
    PutLe(out, 1, 2);  // planes
    PutLe(out, bitsPerPixel, 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, imageBytes, 4);
    PutLe(out, 0, 4);  // resolutions
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);  // colours used and important
    PutLe(out, 0, 4);
}

std::vector<uint8_t> BitmapFileOf(int32_t width, int32_t height, const std::vector<uint8_t>& paddedRowsBottomUp) {
    InfoHeader header;
    header.width = width;
    header.height = height;
    header.bitsPerPixel = 24;
    if (FaultOf(header) != HeaderFault::None) return {};
    const uint64_t imageBytes = PaddedRowsBytes(width, height);
    if (paddedRowsBottomUp.size() != imageBytes) return {};
    // With the sides capped, the sizes fit the 32-bit fields.
    const auto fileBytes = static_cast<uint32_t>(kHeadersBytes + imageBytes);
    std::vector<uint8_t> file;
    file.reserve(fileBytes);
    file.push_back('B');
    file.push_back('M');
    PutLe(file, fileBytes, 4);
    PutLe(file, 0, 4);  // two reserved words
    PutLe(file, kHeadersBytes, 4);
    AppendInfoHeader(file, width, height, 24, static_cast<uint32_t>(imageBytes));
    file.insert(file.end(), paddedRowsBottomUp.begin(), paddedRowsBottomUp.end());
    return file;
}

}  // namespace bitmap_file

}  // namespace common
