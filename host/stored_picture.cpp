// Stored pictures and their bitmap files; see stored_picture.h. The layout and the rules for
// what may be read are bitmap_file's.
#include "host/stored_picture.h"

#include <algorithm>

namespace host {

namespace {

uint32_t Le32(std::string_view bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

}  // namespace

std::optional<StoredPicture> PictureFromBitmapFile(std::string_view fileBytes,
                                                   common::bitmap_file::PixelBufferSizer sizePixels) {
    if (fileBytes.size() < common::bitmap_file::kHeadersBytes || fileBytes.substr(0, 2) != "BM") return std::nullopt;
    const auto* info = reinterpret_cast<const uint8_t*>(fileBytes.data()) + common::bitmap_file::kFileHeaderBytes;
    const common::bitmap_file::InfoHeader header = common::bitmap_file::ReadInfoHeader(info);
    if (common::bitmap_file::FaultOf(header) != common::bitmap_file::HeaderFault::None) return std::nullopt;
    const uint32_t pixelOffset = Le32(fileBytes, 10);
    const uint64_t pixelBytes = common::bitmap_file::PaddedRowsBytes(header.width, header.height);
    if (pixelOffset < common::bitmap_file::kHeadersBytes || pixelOffset > fileBytes.size() ||
        fileBytes.size() - pixelOffset < pixelBytes) {
        return std::nullopt;
    }
    StoredPicture picture;
    picture.width = header.width;
    picture.height = header.height;
    if (!common::bitmap_file::MakePixelBuffer(picture.bgrRowsBottomUp, pixelBytes, sizePixels)) return std::nullopt;
    const char* first = fileBytes.data() + pixelOffset;
    std::copy(first, first + pixelBytes, picture.bgrRowsBottomUp.begin());
    return picture;
}

std::string BitmapFileOf(const StoredPicture& picture) {
    const std::vector<uint8_t> file =
        common::bitmap_file::BitmapFileOf(picture.width, picture.height, picture.bgrRowsBottomUp);
    return std::string(file.begin(), file.end());
}

}  // namespace host
