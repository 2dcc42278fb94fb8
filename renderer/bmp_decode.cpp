// Bitmap reading with every size taken from the file checked before it is used: the pixel
// buffer always covers what the GL upload will read, whatever the headers claim.
#include "renderer/bmp_decode.h"

#include <algorithm>
#include <cstring>

namespace renderer {
namespace {

constexpr size_t kSkipChunkBytes = 4096;

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

RejectReason ReasonFor(bitmap_file::HeaderFault fault) {
    switch (fault) {
        case bitmap_file::HeaderFault::SizeNotPositive: return RejectReason::SizeNotPositive;
        case bitmap_file::HeaderFault::NotTwentyFourBit: return RejectReason::NotTwentyFourBit;
        case bitmap_file::HeaderFault::Compressed: return RejectReason::Compressed;
        case bitmap_file::HeaderFault::TooLarge: return RejectReason::TooLarge;
        case bitmap_file::HeaderFault::None: break;
    }
    return RejectReason::None;
}

}  // namespace

BitmapRead ReadBitmap(ByteSource& source, bitmap_file::PixelBufferSizer sizePixels) {
    uint8_t headers[bitmap_file::kHeadersBytes];
    if (ReadFully(source, headers, sizeof(headers)) != sizeof(headers)) return Reject(RejectReason::HeadersShort);
    // The file header (signature, size, offset) is not examined: the pixels follow the headers.
    const bitmap_file::InfoHeader header = bitmap_file::ReadInfoHeader(headers + bitmap_file::kFileHeaderBytes);

    // A colour table of four-byte entries sits between the headers and the pixels. Nothing
    // uses it, but a file that announces one and cuts it short is reported as such.
    if (header.coloursUsed != 0 && !Skip(source, uint64_t{header.coloursUsed} * 4)) {
        BitmapRead read;
        read.outcome = BitmapOutcome::PaletteShort;
        read.width = header.width;
        read.height = header.height;
        return read;
    }
    if (const auto fault = bitmap_file::FaultOf(header); fault != bitmap_file::HeaderFault::None) {
        return Reject(ReasonFor(fault));
    }

    const size_t pixelCount = static_cast<size_t>(header.width) * static_cast<size_t>(header.height);
    // With the sides capped, width * height * 3 fits in 32 bits, so this matches the
    // unsigned 32-bit size the format defines.
    const uint64_t announcedBytes =
        header.sizeImage != 0 ? header.sizeImage : uint64_t{pixelCount} * header.bitsPerPixel / 8;
    if (announcedBytes == 0) return Reject(RejectReason::NoPixelData);

    // Keep what the upload reads; bytes announced beyond that are read only to learn whether
    // the file holds them all, never stored.
    const uint64_t uploadBytes = bitmap_file::PaddedRowsBytes(header.width, header.height);
    const size_t keptBytes = static_cast<size_t>(std::min(announcedBytes, uploadBytes));
    BitmapRead read;
    read.width = header.width;
    read.height = header.height;
    // A buffer that cannot be had is refused like any file the reader cannot read: the user
    // hears that the texture could not be loaded.
    if (!bitmap_file::MakePixelBuffer(read.pixels, uploadBytes, sizePixels)) return Reject(RejectReason::OutOfMemory);
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

}  // namespace renderer
