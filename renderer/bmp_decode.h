// Reading the texture bitmap (24-bit, uncompressed, bottom-up BMP) from a byte stream into
// RGB pixels ready for a GL upload. Portable: the caller supplies the bytes and shows the
// messages; nothing here knows about files, windows or GL.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace bmp {

// Sequential reads from wherever the bitmap lives; returns how many bytes arrived.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual size_t Read(uint8_t* destination, size_t count) = 0;
};

enum class BitmapOutcome {
    Loaded,          // pixels complete and in RGB order
    PixelDataShort,  // fewer pixel bytes than announced: pixels kept as read, unswapped, rest zero
    PaletteShort,    // the announced colour table is cut short: no data
    Rejected,        // the headers promise something we will not read: no data
};

// Why a bitmap was rejected; only for tests and diagnostics, the user sees one message.
enum class RejectReason {
    None, HeadersShort, SizeNotPositive, NotTwentyFourBit, Compressed, TooLarge, NoPixelData, OutOfMemory
};

// Sides above this are refused. The real texture is 128 x 128; 4096 x 4096 RGB is 48 MiB,
// which a 32-bit process can still be refused, so the allocation is guarded as well.
constexpr int32_t kMaxSidePx = 4096;

struct BitmapRead {
    BitmapOutcome outcome = BitmapOutcome::Rejected;
    RejectReason reason = RejectReason::None;
    int32_t width = 0;
    int32_t height = 0;
    // Present for Loaded and PixelDataShort. Always at least UploadBytes(width, height) long,
    // so a GL upload of height rows of width RGB pixels, each padded to 4 bytes, stays inside.
    std::vector<uint8_t> pixels;

    bool HasData() const { return outcome == BitmapOutcome::Loaded || outcome == BitmapOutcome::PixelDataShort; }
};

// Bytes a GL upload with the default unpack alignment of 4 reads for this picture.
size_t UploadBytes(int32_t width, int32_t height);

// Makes `pixels` exactly `bytes` long and all zero; throws std::bad_alloc when memory is
// short. The reader's one allocation goes through this, so tests can make it fail.
using PixelBufferSizer = void (*)(std::vector<uint8_t>& pixels, size_t bytes);
void ZeroFilledPixels(std::vector<uint8_t>& pixels, size_t bytes);

// Reads the 54 header bytes, skips an announced colour table, then the pixel data
// (biSizeImage bytes, or width * height * bits / 8 when that field is 0), and swaps blue
// and red in the width * height three-byte groups that were read in full. A buffer that
// cannot be had is a rejection (OutOfMemory), never an exception.
BitmapRead ReadBitmap(ByteSource& source, PixelBufferSizer sizePixels = &ZeroFilledPixels);

// A ByteSource over bytes already in memory (tests, the fuzz target).
class MemorySource : public ByteSource {
  public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Read(uint8_t* destination, size_t count) override;

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace bmp
