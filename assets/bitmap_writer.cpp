// Unpadded picture rows into the bitmap file; see bitmap_writer.h.
#include "assets/bitmap_writer.h"

#include <cstdio>

#include "common/bitmap_file.h"

namespace bitmap {

std::vector<uint8_t> MakeBitmapFile(int width, int height, const std::vector<uint8_t>& bgrBottomUp) {
    const uint64_t paddedBytes = common::bitmap_file::PaddedRowsBytes(width, height);
    if (paddedBytes == 0 || width > common::bitmap_file::kMaxSidePx || height > common::bitmap_file::kMaxSidePx) return {};
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    if (bgrBottomUp.size() != rowBytes * static_cast<size_t>(height)) return {};
    const size_t paddedRowBytes = static_cast<size_t>(paddedBytes / static_cast<uint64_t>(height));
    std::vector<uint8_t> rows;
    rows.reserve(static_cast<size_t>(paddedBytes));
    for (int row = 0; row < height; ++row) {
        const auto start = bgrBottomUp.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<size_t>(row));
        rows.insert(rows.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
        rows.insert(rows.end(), paddedRowBytes - rowBytes, 0);
    }
    return common::bitmap_file::BitmapFileOf(width, height, rows);
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), out);
    const bool closed = std::fclose(out) == 0;
    return written == bytes.size() && closed;
}

}  // namespace bitmap
