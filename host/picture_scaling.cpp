// Smooth scaling of stored pictures; see picture_scaling.h.
#include "host/picture_scaling.h"

#include <algorithm>
#include <cstddef>

#include "host/dpi_scale.h"

namespace host {

namespace {

size_t RowBytes(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

// How much of old pixel `from` (in 1/newLength units of the old length) the new pixel `to`
// covers: the overlap of [to*old, (to+1)*old) and [from*new, (from+1)*new), all in units of
// 1/(old*new) of the picture, so every weight is a whole number.
long long Overlap(int to, int from, int oldLength, int newLength) {
    const long long start = std::max<long long>(static_cast<long long>(to) * oldLength, static_cast<long long>(from) * newLength);
    const long long end =
        std::min<long long>(static_cast<long long>(to + 1) * oldLength, static_cast<long long>(from + 1) * newLength);
    return std::max<long long>(0, end - start);
}

}  // namespace

StoredPicture ScaledSmoothly(const StoredPicture& picture, int width, int height) {
    if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0 ||
        picture.bgrRowsBottomUp.size() < RowBytes(picture.width) * static_cast<size_t>(picture.height)) {
        return StoredPicture{};
    }
    StoredPicture scaled{width, height, std::vector<uint8_t>(RowBytes(width) * static_cast<size_t>(height), 0)};
    const size_t oldRow = RowBytes(picture.width);
    const size_t newRow = RowBytes(width);
    const long long whole = static_cast<long long>(picture.width) * picture.height;  // the weights' sum
    for (int y = 0; y < height; ++y) {
        // Bottom-up rows scale the same way as top-down ones: row y covers the same share.
        const int firstY = static_cast<int>(static_cast<long long>(y) * picture.height / height);
        const int lastY = static_cast<int>(std::min<long long>(
            picture.height - 1, (static_cast<long long>(y + 1) * picture.height - 1) / height));
        for (int x = 0; x < width; ++x) {
            const int firstX = static_cast<int>(static_cast<long long>(x) * picture.width / width);
            const int lastX = static_cast<int>(std::min<long long>(
                picture.width - 1, (static_cast<long long>(x + 1) * picture.width - 1) / width));
            long long sum[3] = {0, 0, 0};
            for (int oy = firstY; oy <= lastY; ++oy) {
                const long long wy = Overlap(y, oy, picture.height, height);
                for (int ox = firstX; ox <= lastX; ++ox) {
                    const long long weight = wy * Overlap(x, ox, picture.width, width);
                    const uint8_t* old = &picture.bgrRowsBottomUp[static_cast<size_t>(oy) * oldRow + static_cast<size_t>(ox) * 3];
                    for (int c = 0; c < 3; ++c) sum[c] += weight * old[c];
                }
            }
            uint8_t* out = &scaled.bgrRowsBottomUp[static_cast<size_t>(y) * newRow + static_cast<size_t>(x) * 3];
            for (int c = 0; c < 3; ++c) out[c] = static_cast<uint8_t>((sum[c] + whole / 2) / whole);
        }
    }
    return scaled;
}

StoredPicture PictureAtDpi(const StoredPicture& picture, int dpi) {
    if (dpi == kDesignDpi) return picture;
    return ScaledSmoothly(picture, ScaleToDpi(picture.width, dpi), ScaleToDpi(picture.height, dpi));
}

}  // namespace host
