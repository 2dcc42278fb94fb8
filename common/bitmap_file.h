// The Windows bitmap file our pictures are kept in and the texture crosses in: a 14-byte file
// header, a 40-byte info header, then 24-bit rows, bottom-up, each padded to four bytes, with
// no colour table. The one place that writes its headers and that says which files a reader
// takes. Portable; both programs compile it (they never link against or call each other).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace common {

namespace bitmap_file {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;
constexpr size_t kHeadersBytes = kFileHeaderBytes + kInfoHeaderBytes;

// Sides above this are refused by every reader and never written. Our pictures are at most
// 128 pixels; 4096 x 4096 at 24 bits is 48 MiB, which a 32-bit process may still be refused,
// so the allocation is guarded as well.
constexpr int32_t kMaxSidePx = 4096;

// The fields of the info header a reader looks at.
struct InfoHeader {
    int32_t width = 0;
    int32_t height = 0;  // positive: rows bottom-up
    uint16_t bitsPerPixel = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;    // bytes of pixel data; 0 lets a reader work it out
    uint32_t coloursUsed = 0;  // entries of the colour table before the pixels
};

// From the 40 bytes of an info header (little-endian, as stored).
InfoHeader ReadInfoHeader(const uint8_t* infoHeader);

// What keeps a reader from taking a file, checked before any size from it is used.
enum class HeaderFault { None, SizeNotPositive, NotTwentyFourBit, Compressed, TooLarge };
HeaderFault FaultOf(const InfoHeader& header);

// Bytes of height rows of width 24-bit pixels, each padded to four bytes: what the file holds
// and what a GL upload with the default unpack alignment reads. 0 unless both sides are
// positive; in 64 bits, so no side from a file can overflow it.
uint64_t PaddedRowsBytes(int32_t width, int32_t height);

// Makes `pixels` exactly `bytes` long and all zero, or throws std::bad_alloc. Readers take
// their one buffer through this, so tests can make the allocation fail.
using PixelBufferSizer = void (*)(std::vector<uint8_t>& pixels, size_t bytes);
void ZeroFilledPixels(std::vector<uint8_t>& pixels, size_t bytes);
// The buffer for a reader, or false when it cannot be had: a hostile file must not end the
// program through an exception.
bool MakePixelBuffer(std::vector<uint8_t>& pixels, uint64_t bytes, PixelBufferSizer sizePixels) noexcept;

// Appends a 40-byte info header with one plane, no compression, no resolutions and no colour
// table. The program icon's images use it too, at 32 bits and with a doubled height.
void AppendInfoHeader(std::vector<uint8_t>& out, int32_t width, int32_t height, uint16_t bitsPerPixel,
                      uint32_t imageBytes);

// The whole file of a 24-bit picture whose rows are already padded: "BM", the file size,
// reserved words 0, pixels at offset 54, the info header, the rows. Empty when the sides
// are not positive, exceed kMaxSidePx, or do not match the rows.
std::vector<uint8_t> BitmapFileOf(int32_t width, int32_t height, const std::vector<uint8_t>& paddedRowsBottomUp);

}  // namespace bitmap_file

}  // namespace common
