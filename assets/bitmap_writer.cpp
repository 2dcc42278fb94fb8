// Bitmap file layout shared by every generated picture; see bitmap_writer.h.
#include "bitmap_writer.h"

#include <cstdio>

namespace bitmap {
namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> MakeBitmapFile(int width, int height, const std::vector<uint8_t>& bgrBottomUp) {
    // Sizes this large have no use here and would overflow the 32-bit size fields.
    constexpr int kMaxSide = 16384;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return {};
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    if (bgrBottomUp.size() != rowBytes * static_cast<size_t>(height)) return {};

    const size_t paddedRowBytes = (rowBytes + 3) / 4 * 4;
    const uint32_t pixelBytes = static_cast<uint32_t>(paddedRowBytes * static_cast<size_t>(height));
    const uint32_t headersBytes = kFileHeaderBytes + kInfoHeaderBytes;
    std::vector<uint8_t> file;
    file.reserve(headersBytes + pixelBytes);
    file.push_back('B');
    file.push_back('M');
    PutLe(file, headersBytes + pixelBytes, 4);
    PutLe(file, 0, 4);             // two reserved words
    PutLe(file, headersBytes, 4);  // pixel data offset
    PutLe(file, kInfoHeaderBytes, 4);
    PutLe(file, static_cast<uint32_t>(width), 4);
    PutLe(file, static_cast<uint32_t>(height), 4);  // positive: rows bottom-up
    PutLe(file, 1, 2);                              // planes
    PutLe(file, 24, 2);                             // bits per pixel
    PutLe(file, 0, 4);                              // BI_RGB
    PutLe(file, pixelBytes, 4);
    PutLe(file, 0, 4);  // resolutions
    PutLe(file, 0, 4);
    PutLe(file, 0, 4);  // colours used and important
    PutLe(file, 0, 4);
    for (int row = 0; row < height; ++row) {
        const auto start = bgrBottomUp.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<size_t>(row));
        file.insert(file.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
        file.insert(file.end(), paddedRowBytes - rowBytes, 0);
    }
    return file;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), out);
    const bool closed = std::fclose(out) == 0;
    return written == bytes.size() && closed;
}

}  // namespace bitmap
