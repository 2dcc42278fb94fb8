// Baseline JPEG files through libjpeg(-turbo): the encoder that writes the preview picture and
// the decoder its tests read it back with. Native build only; the programs decode with the
// platform's own picture loader.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "assets/rgb_image.h"

namespace jpeg {

// A baseline JFIF 1.01 file, 8-bit, three components (YCbCr, no chroma subsampling, so thin
// cloud edges keep their colour), at quality 1..100. Empty when libjpeg refuses.
std::vector<uint8_t> EncodeBaseline(const RgbImage& image, int quality);

// The picture in a JPEG file as RGB; nothing when the bytes are not a JPEG libjpeg can read.
std::optional<RgbImage> Decode(const std::vector<uint8_t>& file);

}  // namespace jpeg
