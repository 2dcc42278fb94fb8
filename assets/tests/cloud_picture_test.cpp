// The committed cloud picture is the generator's output, has the texture-file layout,
// and tiles without a seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "assets/cloud_picture.h"

namespace {

constexpr int kSide = cloud::kSidePx;

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

TEST(CloudPicture, CommittedFileIsTheGeneratorsOutput) {
    std::ifstream in(COMMITTED_CLOUD_BMP, std::ios::binary);
    ASSERT_TRUE(in) << COMMITTED_CLOUD_BMP;
    const std::vector<uint8_t> committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(committed == cloud::MakeCloudBitmapFile())
        << "assets/cloud.bmp is stale: rebuild and run cloud_generator assets/cloud.bmp";
}

TEST(CloudPicture, HasTheTextureFileLayout) {
    const auto file = cloud::MakeCloudBitmapFile();
    ASSERT_EQ(file.size(), 49206u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le(file, 2, 4), file.size());
    EXPECT_EQ(Le(file, 10, 4), 54u);
    EXPECT_EQ(static_cast<int32_t>(Le(file, 18, 4)), kSide);
    EXPECT_EQ(static_cast<int32_t>(Le(file, 22, 4)), kSide);  // positive: bottom-up
    EXPECT_EQ(Le(file, 28, 2), 24u);
    EXPECT_EQ(Le(file, 30, 4), 0u);
    EXPECT_EQ(Le(file, 34, 4), 49152u);
    EXPECT_EQ(Le(file, 46, 4), 0u);
}

class CloudSeams : public testing::Test {
  protected:
    int Grey(int x, int y) const {
        const size_t at = (static_cast<size_t>(y) * kSide + static_cast<size_t>(x)) * 3;
        return (pixels_[at] + pixels_[at + 1] + pixels_[at + 2]) / 3;
    }
    // Mean and largest step between neighbours along one axis; `seamOnly` looks only at the
    // step from the last column (row) back to the first, as a tiling puts them side by side.
    std::pair<double, int> Steps(bool alongX, bool seamOnly) const {
        double sum = 0;
        int most = 0;
        int count = 0;
        for (int a = 0; a < kSide; ++a) {
            for (int b = 0; b < kSide; ++b) {
                if (seamOnly != (b == kSide - 1)) continue;
                const int next = (b + 1) % kSide;
                const int step = alongX ? std::abs(Grey(b, a) - Grey(next, a)) : std::abs(Grey(a, b) - Grey(a, next));
                sum += step;
                most = std::max(most, step);
                ++count;
            }
        }
        return {sum / count, most};
    }
    std::vector<uint8_t> pixels_ = cloud::MakeCloudPixels();
};

TEST_F(CloudSeams, EdgesContinueAsSmoothlyAsTheInterior) {
    for (bool alongX : {true, false}) {
        const auto interior = Steps(alongX, false);
        const auto seam = Steps(alongX, true);
        EXPECT_LE(seam.first, interior.first * 1.5 + 0.5) << (alongX ? "left/right" : "top/bottom");
        EXPECT_LE(seam.second, interior.second) << (alongX ? "left/right" : "top/bottom");
    }
}

TEST_F(CloudSeams, IsLightGreyToWhiteWithVisibleStructure) {
    int darkest = 255;
    int brightest = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            darkest = std::min(darkest, Grey(x, y));
            brightest = std::max(brightest, Grey(x, y));
        }
    }
    EXPECT_GE(darkest, 150) << "clouds should stay light";
    EXPECT_GE(brightest, 245) << "dense cloud should reach white";
    EXPECT_GE(brightest - darkest, 40) << "a flat picture would show no clouds";
}

}  // namespace
