// The tunnel's shape: the near ring stays on the axis, the tube closes, the fast grid
// matches the formula exactly, and the texture coordinates join band to band.
#include <gtest/gtest.h>

#include <cmath>

#include "renderer/flight.h"
#include "renderer/tunnel_geometry.h"

namespace {

using renderer::kRings;
using renderer::kSides;
using renderer::TunnelFrame;

class TunnelAtTime : public testing::TestWithParam<double> {
  protected:
    TunnelFrame frame_{};
    void SetUp() override { renderer::ComputeTunnelFrame(GetParam(), frame_); }
};

TEST_P(TunnelAtTime, NearRingIsCentredOnTheAxis) {
    double sumX = 0, sumY = 0;
    for (int i = 0; i < kSides; ++i) {
        const auto& v = frame_.grid[i][0];
        sumX += v.x;
        sumY += v.y;
        EXPECT_NEAR(std::hypot(v.x, v.y), 3.0, 1e-5) << "corner " << i;
        EXPECT_EQ(v.z, 0.0f);
    }
    EXPECT_NEAR(sumX / kSides, 0.0, 1e-5);
    EXPECT_NEAR(sumY / kSides, 0.0, 1e-5);
}

TEST_P(TunnelAtTime, RingsCloseAndNarrowWithDepth) {
    for (int j = 0; j < kRings; ++j) {
        EXPECT_NEAR(frame_.grid[0][j].x, frame_.grid[kSides][j].x, 1e-6) << "ring " << j;
        EXPECT_NEAR(frame_.grid[0][j].y, frame_.grid[kSides][j].y, 1e-6) << "ring " << j;
        EXPECT_EQ(frame_.grid[3][j].z, static_cast<float>(-j));
        // Opposite corners are a diameter apart: 2 (3 - j / 12).
        const auto& a = frame_.grid[0][j];
        const auto& b = frame_.grid[6][j];
        EXPECT_NEAR(std::hypot(a.x - b.x, a.y - b.y), 2 * (3 - j / 12.0), 1e-4) << "ring " << j;
    }
}

TEST_P(TunnelAtTime, BandsShareTheirRingsTextureRows) {
    for (int j = 0; j + 1 < kRings; ++j) {
        EXPECT_NEAR(frame_.ringTexRow[j + 1] - frame_.ringTexRow[j], 1.0 / 32, 1e-6);
    }
    EXPECT_GE(frame_.ringTexRow[0], 0.0f);
    EXPECT_LT(frame_.ringTexRow[0], 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Times, TunnelAtTime, testing::Values(0.5, 17.25, 1000.0, -40.5, 123456.75, 3.0e7));

TEST(TunnelGeometry, FarRingsWindAwayFromTheAxis) {
    TunnelFrame frame{};
    double farthestCentre = 0;
    for (double t = 0.5; t < 400; t += 7) {
        renderer::ComputeTunnelFrame(t, frame);
        const auto& a = frame.grid[0][32];
        const auto& b = frame.grid[6][32];
        farthestCentre = std::max(farthestCentre, std::hypot((a.x + b.x) / 2.0, (a.y + b.y) / 2.0));
    }
    EXPECT_GT(farthestCentre, 2.0) << "the far end of the tube must bend";
}

// Where the texture starts on the first frame shows in the preview picture, which its test
// holds against a fresh render.
TEST(TunnelGeometry, TextureWrapsOnceAroundTheTube) {
    EXPECT_FLOAT_EQ(renderer::AroundTexCoord(kSides) - renderer::AroundTexCoord(0), 1.0f);
}

TEST(TunnelGeometry, FlowOffsetWrapsForwardAndBackward) {
    for (double t : {0.0, 49.999, 50.0, 1e9 + 0.25, -0.5, -1e6 - 3}) {
        const double offset = renderer::TextureFlowOffset(t);
        EXPECT_GE(offset, 0.0) << t;
        EXPECT_LT(offset, 1.0) << t;
        const double whole = 0.02 * t - offset;
        EXPECT_NEAR(whole, std::round(whole), 1e-6) << t;
    }
}

TEST(TunnelGeometry, FarBandsFadeTowardGrey) {
    for (int band = 0; band <= 24; ++band) EXPECT_EQ(renderer::BandBrightness(band), 1.0f) << band;
    const float faded[] = {0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f};
    for (int band = 25; band < renderer::kDrawnBands; ++band) {
        EXPECT_FLOAT_EQ(renderer::BandBrightness(band), faded[band - 25]) << band;
    }
}

// The per-ring trigonometry must give exactly the numbers of the per-vertex formula,
// over the times a flight really passes through (swing, keys, a backward stretch).
TEST(TunnelGeometry, FastGridMatchesTheFormulaBitForBit) {
    renderer::Flight flight;
    renderer::ResetTunnelAnimation(flight);
    TunnelFrame fast{}, direct{};
    int mismatches = 0;
    for (int n = 0; n < 6000; ++n) {
        const double t = renderer::AdvanceTunnelTime(flight);
        renderer::ComputeTunnelFrame(t, fast);
        renderer::ComputeTunnelGridDirect(t, direct);
        for (int i = 0; i <= kSides; ++i) {
            for (int j = 0; j < kRings; ++j) {
                const auto& a = fast.grid[i][j];
                const auto& b = direct.grid[i][j];
                if (a.x != b.x || a.y != b.y || a.z != b.z) ++mismatches;
            }
        }
        const bool backward = n >= 3000 && n < 4000;
        renderer::StepTunnelSpeed(flight, {n < 1000, backward});
        if (n == 4500) flight.time += 2.0e7;  // and far into a long run
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
