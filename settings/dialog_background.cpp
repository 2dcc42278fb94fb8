// The settings dialog's background; see dialog_background.h.
#include "settings/dialog_background.h"

#include <cmath>

namespace settings {

std::vector<GradientRow> GradientRows(int clientHeightPx) {
    std::vector<GradientRow> rows;
    if (clientHeightPx <= 0) return rows;
    const double k = clientHeightPx / 3.142;
    for (int i = 0; i <= clientHeightPx; ++i) {
        // nearbyint rounds half to even in the default rounding mode.
        const auto c = static_cast<int>(std::nearbyint(std::fabs(std::sin(i / k)) * 220.0));
        rows.push_back(GradientRow{i, static_cast<uint8_t>(c), static_cast<uint8_t>(c), static_cast<uint8_t>(c + 30)});
    }
    return rows;
}

std::vector<TilePosition> TilePositions(int boxWidthPx, int boxHeightPx, int tileWidthPx, int tileHeightPx) {
    std::vector<TilePosition> positions;
    // A tile without a size would never leave its column.
    if (tileWidthPx <= 0 || tileHeightPx <= 0) return positions;
    int x = 0;
    int y = 0;
    for (;;) {
        positions.push_back(TilePosition{x, y});
        if (y <= boxHeightPx) {
            y += tileHeightPx;
            continue;
        }
        if (x > boxWidthPx) break;
        x += tileWidthPx;
        y = 0;
    }
    return positions;
}

}  // namespace settings
