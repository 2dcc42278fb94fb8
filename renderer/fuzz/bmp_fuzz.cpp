// libFuzzer target for the bitmap reader: any bytes as a file. Whatever comes back must
// either hold no data or cover the whole GL upload, which is read here byte by byte so that
// AddressSanitizer sees any shortfall.
#include <cstdlib>

#include "renderer/bmp_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    renderer::MemorySource source(data, size);
    const renderer::BitmapRead read = renderer::ReadBitmap(source);
    if (!read.HasData()) {
        if (!read.pixels.empty()) std::abort();
        return 0;
    }
    const uint64_t upload = common::bitmap_file::PaddedRowsBytes(read.width, read.height);
    if (upload == 0 || read.pixels.size() < upload) std::abort();
    volatile uint8_t sink = 0;
    const uint8_t* pixels = read.pixels.data();
    for (size_t i = 0; i < upload; ++i) sink = sink ^ pixels[i];
    return 0;
}
