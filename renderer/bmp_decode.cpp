// Bitmap reading with every size taken from the file checked before it is used: the pixel
// buffer always covers what the GL upload will read, whatever the headers claim.
#include "bmp_decode.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace bmp {
namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;
constexpr size_t kSkipChunkBytes = 4096;

uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Reads and drops `count` bytes; true when all of them arrived.
bool Skip(ByteSource& source, uint64_t count) {
    uint8_t chunk[kSkipChunkBytes];
    while (count > 0) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(count, sizeof(chunk)));
        const size_t got = source.Read(chunk, want);
        count -= got;
        if (got < want) return count == 0;
    }
    return true;
}

// Reads up to `count` bytes into `destination`, looping over partial reads.
size_t ReadFully(ByteSource& source, uint8_t* destination, size_t count) {
    size_t total = 0;
    while (total < count) {
        const size_t got = source.Read(destination + total, count - total);
        if (got == 0) break;
        total += got;
    }
    return total;
}

BitmapRead Reject(RejectReason reason) {
    BitmapRead read;
    read.outcome = BitmapOutcome::Rejected;
    read.reason = reason;
    return read;
}

}  // namespace

size_t UploadBytes(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return 0;
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    return rowBytes * static_cast<size_t>(height);
}

void ZeroFilledPixels(std::vector<uint8_t>& pixels, size_t bytes) { pixels.assign(bytes, 0); }

BitmapRead ReadBitmap(ByteSource& source, PixelBufferSizer sizePixels) {
    uint8_t headers[kFileHeaderBytes + kInfoHeaderBytes];
    if (ReadFully(source, headers, sizeof(headers)) != sizeof(headers)) return Reject(RejectReason::HeadersShort);
    // The file header (signature, size, offset) is not examined: the pixels follow the headers.
    const uint8_t* info = headers + kFileHeaderBytes;
    const int32_t width = static_cast<int32_t>(Le32(info + 4));
    const int32_t height = static_cast<int32_t>(Le32(info + 8));
    const uint16_t bitsPerPixel = Le16(info + 14);
    const uint32_t compression = Le32(info + 16);
    const uint32_t sizeImage = Le32(info + 20);
    const uint32_t coloursUsed = Le32(info + 32);

    // A colour table of four-byte entries sits between the headers and the pixels. Nothing
    // uses it, but a file that announces one and cuts it short is reported as such.
    if (coloursUsed != 0 && !Skip(source, uint64_t{coloursUsed} * 4)) {
        BitmapRead read;
        read.outcome = BitmapOutcome::PaletteShort;
        read.width = width;
        read.height = height;
        return read;
    }
    if (width <= 0 || height <= 0) return Reject(RejectReason::SizeNotPositive);
    if (bitsPerPixel != 24) return Reject(RejectReason::NotTwentyFourBit);
    if (compression != 0) return Reject(RejectReason::Compressed);
    if (width > kMaxSidePx || height > kMaxSidePx) return Reject(RejectReason::TooLarge);

    const size_t pixelCount = static_cast<size_t>(width) * static_cast<size_t>(height);
    // With the sides capped, width * height * 3 fits in 32 bits, so this matches the
    // unsigned 32-bit size the format defines.
    const uint64_t announcedBytes = sizeImage != 0 ? sizeImage : uint64_t{pixelCount} * bitsPerPixel / 8;
    if (announcedBytes == 0) return Reject(RejectReason::NoPixelData);

    // Keep what the upload reads; bytes announced beyond that are read only to learn whether
    // the file holds them all, never stored.
    const size_t uploadBytes = UploadBytes(width, height);
    const size_t keptBytes = static_cast<size_t>(std::min<uint64_t>(announcedBytes, uploadBytes));
    BitmapRead read;
    read.width = width;
    read.height = height;
    try {
        sizePixels(read.pixels, uploadBytes);
    } catch (const std::bad_alloc&) {
        // A hostile file must not end the process through an exception; the user hears
        // that the texture could not be loaded.
        return Reject(RejectReason::OutOfMemory);
    }
    const size_t keptRead = ReadFully(source, read.pixels.data(), keptBytes);
    const bool complete = keptRead == keptBytes && Skip(source, announcedBytes - keptBytes);
    if (!complete) {
        read.outcome = BitmapOutcome::PixelDataShort;
        return read;
    }
    // Blue and red trade places in consecutive three-byte groups, without regard to row
    // padding: true colours for widths that are a multiple of 4, as the front end writes.
    const size_t groups = std::min(pixelCount, keptRead / 3);
    uint8_t* p = read.pixels.data();
    for (size_t n = 0; n < groups; ++n, p += 3) std::swap(p[0], p[2]);
    read.outcome = BitmapOutcome::Loaded;
    return read;
}

size_t MemorySource::Read(uint8_t* destination, size_t count) {
    const size_t n = std::min(count, size_ - at_);
    if (n > 0) std::memcpy(destination, data_ + at_, n);
    at_ += n;
    return n;
}

}  // namespace bmp
