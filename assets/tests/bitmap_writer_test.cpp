// The shared bitmap writer: rows land where a reader of the format looks for them, padded to
// 4 bytes, and input that cannot make a picture makes no file.
#include "assets/bitmap_writer.h"

#include <gtest/gtest.h>

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

struct SizeCase {
    int width;
    int height;
    size_t strideBytes;  // one stored row with its padding
};

class BitmapRows : public testing::TestWithParam<SizeCase> {};

TEST_P(BitmapRows, EachRowStartsOnAFourByteBoundaryWithZeroPadding) {
    const SizeCase c = GetParam();
    std::vector<uint8_t> pixels;
    for (int i = 0; i < c.width * c.height * 3; ++i) pixels.push_back(static_cast<uint8_t>(1 + i % 250));
    const auto file = bitmap::MakeBitmapFile(c.width, c.height, pixels);
    ASSERT_EQ(file.size(), 54 + c.strideBytes * static_cast<size_t>(c.height));
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le(file, 2, 4), file.size());
    EXPECT_EQ(Le(file, 10, 4), 54u);
    EXPECT_EQ(Le(file, 14, 4), 40u);
    EXPECT_EQ(Le(file, 18, 4), static_cast<uint32_t>(c.width));
    EXPECT_EQ(Le(file, 22, 4), static_cast<uint32_t>(c.height));
    EXPECT_EQ(Le(file, 28, 2), 24u);
    EXPECT_EQ(Le(file, 30, 4), 0u);  // uncompressed
    EXPECT_EQ(Le(file, 34, 4), file.size() - 54);
    EXPECT_EQ(Le(file, 46, 4), 0u);  // no colour table
    const size_t rowBytes = static_cast<size_t>(c.width) * 3;
    for (int row = 0; row < c.height; ++row) {
        const size_t stored = 54 + c.strideBytes * static_cast<size_t>(row);
        for (size_t i = 0; i < c.strideBytes; ++i) {
            const uint8_t expected = i < rowBytes ? pixels[rowBytes * static_cast<size_t>(row) + i] : 0;
            ASSERT_EQ(file[stored + i], expected) << "row " << row << " byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, BitmapRows,
                         testing::Values(SizeCase{1, 1, 4}, SizeCase{2, 3, 8}, SizeCase{3, 2, 12},
                                         SizeCase{4, 2, 12}, SizeCase{5, 1, 16}));

TEST(BitmapWriter, MakesNoFileFromPixelsThatDoNotFitTheSize) {
    const std::vector<uint8_t> sixPixels(18, 0x80);
    EXPECT_TRUE(bitmap::MakeBitmapFile(2, 2, sixPixels).empty());
    EXPECT_TRUE(bitmap::MakeBitmapFile(0, 6, {}).empty());
    EXPECT_TRUE(bitmap::MakeBitmapFile(-2, -3, sixPixels).empty());
    EXPECT_FALSE(bitmap::MakeBitmapFile(3, 2, sixPixels).empty());
}

}  // namespace
