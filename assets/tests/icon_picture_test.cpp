// The committed program icon is the generator's output, and its directory and images are laid
// out as the resource compiler and the system read them: round, transparent at the corners.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "assets/icon_picture.h"

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

TEST(ProgramIcon, CommittedFileIsTheGeneratorsOutput) {
    std::ifstream in(COMMITTED_ICON, std::ios::binary);
    ASSERT_TRUE(in) << COMMITTED_ICON;
    const std::vector<uint8_t> committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(committed == icon::MakeIconFile())
        << "assets/vaporquill.ico is stale: rebuild and run icon_generator assets/vaporquill.ico";
}

class IconImages : public testing::TestWithParam<size_t> {
  protected:
    const std::vector<uint8_t> file_ = icon::MakeIconFile();
};

TEST_P(IconImages, LieInsideTheFileWithTheirMaskAndTransparentCorners) {
    const size_t index = GetParam();
    const int side = icon::kIconSidesPx[index];
    ASSERT_EQ(Le(file_, 4, 2), std::size(icon::kIconSidesPx));
    const size_t entry = 6 + 16 * index;
    EXPECT_EQ(file_[entry], side);
    EXPECT_EQ(file_[entry + 1], side);
    const size_t bytes = Le(file_, entry + 8, 4);
    const size_t offset = Le(file_, entry + 12, 4);
    const size_t maskRowBytes = (static_cast<size_t>(side) + 31) / 32 * 4;
    const size_t sideBytes = static_cast<size_t>(side);
    ASSERT_EQ(bytes, 40 + sideBytes * sideBytes * 4 + maskRowBytes * sideBytes);
    ASSERT_LE(offset + bytes, file_.size());
    EXPECT_EQ(Le(file_, offset + 8, 4), 2u * side) << "the height counts colour and mask rows";
    EXPECT_EQ(Le(file_, offset + 14, 2), 32u);

    const auto alphaAt = [&](int x, int yFromBottom) {
        return file_[offset + 40 + (static_cast<size_t>(yFromBottom) * sideBytes + static_cast<size_t>(x)) * 4 + 3];
    };
    const auto maskedAt = [&](int x, int yFromBottom) {
        const size_t mask = offset + 40 + sideBytes * sideBytes * 4;
        return (file_[mask + static_cast<size_t>(yFromBottom) * maskRowBytes + static_cast<size_t>(x / 8)] &
                (0x80 >> (x % 8))) != 0;
    };
    for (const auto& [x, y] : {std::pair{0, 0}, {side - 1, 0}, {0, side - 1}, {side - 1, side - 1}}) {
        EXPECT_EQ(alphaAt(x, y), 0) << x << "," << y;
        EXPECT_TRUE(maskedAt(x, y)) << x << "," << y;
    }
    EXPECT_EQ(alphaAt(side / 2, side / 2), 255);
    EXPECT_FALSE(maskedAt(side / 2, side / 2));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconImages, testing::Values(size_t{0}, size_t{1}));

}  // namespace
