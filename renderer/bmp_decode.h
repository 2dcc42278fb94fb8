// Reading the texture bitmap (24-bit, uncompressed, bottom-up BMP) from a byte stream into
// RGB pixels ready for a GL upload, in the order the BMP module reads a file. The layout and
// the rules for what is read are common/bitmap_file's. Portable: the caller supplies the bytes
// and shows the messages; nothing here knows about files, windows or GL.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/bitmap_file.h"

namespace renderer {

// The bitmap file's layout and the readers' rules, as common/ keeps them.
namespace bitmap_file = common::bitmap_file;

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

struct BitmapRead {
    BitmapOutcome outcome = BitmapOutcome::Rejected;
    RejectReason reason = RejectReason::None;
    int32_t width = 0;
    int32_t height = 0;
    // Present for Loaded and PixelDataShort. Always at least PaddedRowsBytes(width, height)
    // long, so a GL upload of height rows of width RGB pixels, each padded to 4 bytes, stays
    // inside.
    std::vector<uint8_t> pixels;

    bool HasData() const { return outcome == BitmapOutcome::Loaded || outcome == BitmapOutcome::PixelDataShort; }
};

// Reads the 54 header bytes, skips an announced colour table, then the pixel data
// (biSizeImage bytes, or width * height * bits / 8 when that field is 0), and swaps blue
// and red in the width * height three-byte groups that were read in full. A buffer that
// cannot be had is a rejection (OutOfMemory), never an exception.
BitmapRead ReadBitmap(ByteSource& source,
                      bitmap_file::PixelBufferSizer sizePixels = &bitmap_file::ZeroFilledPixels);

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

}  // namespace renderer
