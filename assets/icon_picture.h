// The program's icon: a look into a cloud tunnel, white rings of cloud around a grey
// vanishing point, round, at 32 x 32 and 16 x 16 with an alpha channel and an AND mask.
// Portable and deterministic, so the committed assets/vaporquill.ico can be remade anywhere.
#pragma once
#include <cstdint>
#include <vector>

namespace icon {

// The sizes in the file, in this order.
constexpr int kIconSidesPx[] = {32, 16};

// The whole .ico file: the icon directory, then one 32-bit image per size (info header with a
// doubled height, colour rows bottom-up, then the mask rows).
std::vector<uint8_t> MakeIconFile();

}  // namespace icon
