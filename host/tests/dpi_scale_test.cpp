// The one rule by which described 96-DPI places become pixels at a DPI, and pictures scaled
// smoothly to it: at 96 nothing moves, halves go away from zero, neighbouring places still
// meet, and a picture keeps its colours (exactly, at whole-number scales).
#include "host/dpi_scale.h"

#include <gtest/gtest.h>

#include "host/picture_scaling.h"
#include "host/twips.h"

namespace {

struct ScaleCase {
    int designPx;
    int dpi;
    int px;
};
class DpiScale : public testing::TestWithParam<ScaleCase> {};
TEST_P(DpiScale, PixelsAndTwipsScaleAlike) {
    const ScaleCase c = GetParam();
    EXPECT_EQ(host::ScaleToDpi(c.designPx, c.dpi), c.px);
    EXPECT_EQ(host::TwipsToPixelsAt(host::PixelsToTwips(c.designPx), c.dpi), c.px) << "the same place in twips";
}
INSTANTIATE_TEST_SUITE_P(Rule, DpiScale, testing::Values(
    ScaleCase{453, 96, 453}, ScaleCase{206, 96, 206},        // nothing moves at 96
    ScaleCase{453, 144, 680}, ScaleCase{-453, 144, -680},    // 679.5: halves away from zero
    ScaleCase{206, 144, 309}, ScaleCase{453, 120, 566}, ScaleCase{206, 120, 258},
    ScaleCase{453, 192, 906}, ScaleCase{1, 144, 2}, ScaleCase{1, 120, 1}, ScaleCase{0, 144, 0}));

TEST(DpiScale, NeighbouringPlacesMeetAtEveryDpi) {
    // The kind labels' rows, 20 pixels apart, and a place of one pixel: each edge is rounded on
    // its own, so the next place starts where the last one ended, without a gap or overlap.
    for (int dpi : {96, 110, 120, 144, 168, 192, 240}) {
        const host::PixelRect upper = host::PixelsOf(host::TwipsRectOfPixels(52, 40, 43, 20), dpi);
        const host::PixelRect lower = host::PixelsOf(host::TwipsRectOfPixels(52, 60, 43, 20), dpi);
        EXPECT_EQ(upper.bottom, lower.top) << dpi;
        const host::PixelRect thin = host::PixelsOf(host::TwipsRectOfPixels(7, 7, 1, 1), dpi);
        EXPECT_GE(thin.right - thin.left, 1) << dpi;
    }
}

TEST(DpiScale, ASystemDpiThatMakesNoSenseIsTakenAs96) {
    EXPECT_EQ(host::UsableDpi(0), 96);
    EXPECT_EQ(host::UsableDpi(-144), 96);
    EXPECT_EQ(host::UsableDpi(1 << 20), 96);
    EXPECT_EQ(host::UsableDpi(144), 144);
}

host::StoredPicture Picture(int width, int height, const std::vector<uint32_t>& rgbTopDown) {
    const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    host::StoredPicture picture{width, height, std::vector<uint8_t>(row * static_cast<size_t>(height), 0)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = rgbTopDown[static_cast<size_t>(y * width + x)];
            uint8_t* bgr = &picture.bgrRowsBottomUp[static_cast<size_t>(height - 1 - y) * row + static_cast<size_t>(x) * 3];
            bgr[0] = rgb & 0xFF;
            bgr[1] = (rgb >> 8) & 0xFF;
            bgr[2] = (rgb >> 16) & 0xFF;
        }
    }
    return picture;
}

uint32_t PixelOf(const host::StoredPicture& picture, int x, int y) {
    const size_t row = (static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3};
    const uint8_t* bgr =
        &picture.bgrRowsBottomUp[static_cast<size_t>(picture.height - 1 - y) * row + static_cast<size_t>(x) * 3];
    return static_cast<uint32_t>(bgr[2]) << 16 | static_cast<uint32_t>(bgr[1]) << 8 | bgr[0];
}

TEST(PictureScaling, TwiceTheSizeRepeatsEveryPixelExactly) {
    // Three pixels across (rows padded to 12 bytes), two down.
    const host::StoredPicture picture = Picture(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0xFFFFFF, 0x000000});
    const host::StoredPicture scaled = host::PictureAtDpi(picture, 192);
    ASSERT_EQ(scaled.width, 6);
    ASSERT_EQ(scaled.height, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) EXPECT_EQ(PixelOf(scaled, x, y), PixelOf(picture, x / 2, y / 2)) << x << "," << y;
    }
}

TEST(PictureScaling, HalfAgainBlendsOnlyWhereAPixelIsSplit) {
    // A black and a white column, 2 pixels wide: at 150 % 3 pixels, the middle one half each.
    const host::StoredPicture scaled = host::PictureAtDpi(Picture(2, 2, {0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF}), 144);
    ASSERT_EQ(scaled.width, 3);
    ASSERT_EQ(scaled.height, 3);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(PixelOf(scaled, 0, y), 0x000000u);
        EXPECT_EQ(PixelOf(scaled, 1, y), 0x808080u) << "half of each, rounded";
        EXPECT_EQ(PixelOf(scaled, 2, y), 0xFFFFFFu);
    }
}

TEST(PictureScaling, AFlatPictureStaysFlatAtAnySize) {
    const host::StoredPicture flat = Picture(12, 12, std::vector<uint32_t>(144, 0x1C5180));
    for (int dpi : {120, 144, 168, 192}) {
        const host::StoredPicture scaled = host::PictureAtDpi(flat, dpi);
        EXPECT_EQ(scaled.width, host::ScaleToDpi(12, dpi));
        for (int y = 0; y < scaled.height; ++y) {
            for (int x = 0; x < scaled.width; ++x) ASSERT_EQ(PixelOf(scaled, x, y), 0x1C5180u) << dpi;
        }
    }
}

TEST(PictureScaling, APictureWithoutItsRowsOrAnEmptySizeGivesNoPicture) {
    host::StoredPicture shortRows = Picture(4, 4, std::vector<uint32_t>(16, 0));
    shortRows.bgrRowsBottomUp.resize(20);
    EXPECT_EQ(host::ScaledSmoothly(shortRows, 8, 8).width, 0);
    EXPECT_EQ(host::ScaledSmoothly(Picture(4, 4, std::vector<uint32_t>(16, 0)), 0, 8).width, 0);
}

}  // namespace
