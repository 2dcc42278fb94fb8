// What the settings dialog draws behind its controls: the grey-blue gradient over its
// client area, row by row, and where the cloud tile is laid on its panel. Portable.
#pragma once
#include <cstdint>
#include <vector>

namespace settings {

struct GradientRow {
    int y = 0;
    uint8_t red = 0, green = 0, blue = 0;
};

// Rows 0 to the client height inclusive: with k = height / 3.142, c = |sin(i / k)| x 220
// rounded half to even, in the colour (c, c, c + 30); each row a line across the width.
std::vector<GradientRow> GradientRows(int clientHeightPx);

struct TilePosition {
    int x = 0, y = 0;
};

// The tile laid column by column from the box's top-left corner, each column from the
// top, one copy beyond the bottom and right edges (the copies are clipped to the box).
std::vector<TilePosition> TilePositions(int boxWidthPx, int boxHeightPx, int tileWidthPx, int tileHeightPx);

}  // namespace settings
