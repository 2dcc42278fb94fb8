// The dialog's gradient rows, the panel's tile positions and the track box's texts.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "settings/dialog_background.h"
#include "settings/track_box.h"

namespace {

TEST(DialogGradient, RunsFromDarkBlueThroughPaleToDarkBlueOverEveryRow) {
    const std::vector<settings::GradientRow> rows = settings::GradientRows(206);
    ASSERT_EQ(rows.size(), 207u) << "rows 0 to 206 inclusive";
    EXPECT_EQ(rows.front().y, 0);
    EXPECT_EQ(rows.back().y, 206);
    auto colour = [&](int y) { return std::vector<int>{rows[y].red, rows[y].green, rows[y].blue}; };
    EXPECT_EQ(colour(0), (std::vector<int>{0, 0, 30}));
    EXPECT_EQ(colour(103), (std::vector<int>{220, 220, 250}));
    EXPECT_EQ(colour(206), (std::vector<int>{0, 0, 30}));
    for (const settings::GradientRow& row : rows) EXPECT_EQ(row.blue, row.red + 30);
    for (int y = 1; y <= 103; ++y) EXPECT_GE(rows[y].red, rows[y - 1].red) << "brightening down to the middle";
}

TEST(DialogGradient, NoRowsWithoutAHeight) { EXPECT_TRUE(settings::GradientRows(0).empty()); }

TEST(PanelTiles, CoverThePanelColumnByColumnWithOneCopyBeyondEachEdge) {
    const std::vector<settings::TilePosition> tiles = settings::TilePositions(421, 125, 128, 128);
    ASSERT_EQ(tiles.size(), 10u);
    EXPECT_EQ(tiles[0].x, 0);
    EXPECT_EQ(tiles[0].y, 0);
    EXPECT_EQ(tiles[1].x, 0);
    EXPECT_EQ(tiles[1].y, 128) << "the column goes down first";
    EXPECT_EQ(tiles[2].x, 128);
    EXPECT_EQ(tiles.back().x, 512);
    // Every pixel of the panel lies under a tile.
    for (int y = 0; y < 125; y += 7) {
        for (int x = 0; x < 421; x += 7) {
            bool covered = false;
            for (const settings::TilePosition& t : tiles) covered |= x >= t.x && x < t.x + 128 && y >= t.y && y < t.y + 128;
            EXPECT_TRUE(covered) << x << "," << y;
        }
    }
}

TEST(PanelTiles, ATileWithoutASizeLaysNothing) { EXPECT_TRUE(settings::TilePositions(421, 125, 0, 128).empty()); }

TEST(TrackBox, ShowsDigitsWithoutLeadingZerosAndNothingForZero) {
    EXPECT_EQ(settings::TrackTextOf(0), L"");
    EXPECT_EQ(settings::TrackTextOf(7), L"7");
    EXPECT_EQ(settings::TrackTextOf(-3), L"-3");
    const auto entries = settings::TrackListEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries.front(), L"");
    EXPECT_EQ(entries.back(), L"30");
    EXPECT_EQ(std::set<std::wstring>(entries.begin(), entries.end()).size(), entries.size()) << "each once";
}

}  // namespace
