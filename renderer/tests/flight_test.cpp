// The flight's speed swing and key steps, and that the phase stays usable over long runs.
#include <gtest/gtest.h>

#include <cmath>

#include "renderer/flight.h"
#include "renderer/tunnel_geometry.h"

namespace {

using renderer::Flight;
using renderer::SpeedKeys;

Flight Started() {
    Flight f;
    f.time = 123;
    f.speed = -7;
    f.rising = false;
    renderer::ResetTunnelAnimation(f);
    return f;
}

TEST(Flight, FirstFrameDrawsAtHalfAndSpeedThenRises) {
    Flight f = Started();
    EXPECT_EQ(renderer::AdvanceTunnelTime(f), 0.5);
    renderer::StepTunnelSpeed(f, {});
    EXPECT_FLOAT_EQ(f.speed, 0.501f);
    EXPECT_TRUE(f.rising);
}

TEST(Flight, WithoutKeysSwingsBetweenTheBounds) {
    Flight f = Started();
    float lowest = f.speed, highest = f.speed;
    int turns = 0;
    bool wasRising = f.rising;
    for (int frame = 0; frame < 10000; ++frame) {
        renderer::StepTunnelSpeed(f, {});
        lowest = std::min(lowest, f.speed);
        highest = std::max(highest, f.speed);
        if (f.rising != wasRising) ++turns;
        wasRising = f.rising;
    }
    EXPECT_NEAR(highest, 1.5f, 0.002f);
    EXPECT_NEAR(lowest, 0.1f, 0.002f);
    EXPECT_GE(turns, 6);  // about 1400 frames per sweep
}

struct HeldKeysCase {
    const char* name;
    SpeedKeys keys;
    int frames;
    float minSpeedAtEnd, maxSpeedAtEnd;
};

class HeldKeys : public testing::TestWithParam<HeldKeysCase> {};

TEST_P(HeldKeys, OutrunTheSwing) {
    Flight f = Started();
    for (int frame = 0; frame < GetParam().frames; ++frame) renderer::StepTunnelSpeed(f, GetParam().keys);
    EXPECT_GE(f.speed, GetParam().minSpeedAtEnd);
    EXPECT_LE(f.speed, GetParam().maxSpeedAtEnd);
}

// Up: +0.006 per frame up to 1.5, then +0.004; Down: -0.004 until below 0.1, then -0.004
// still (the swing turns upward but the key outweighs it).
INSTANTIATE_TEST_SUITE_P(Keys, HeldKeys, testing::Values(
    HeldKeysCase{"UpPastTheTop", {true, false}, 500, 2.8f, 2.87f},
    HeldKeysCase{"DownBelowZero", {false, true}, 500, -1.6f, -1.4f},
    HeldKeysCase{"BothCancel", {true, true}, 300, 0.79f, 0.81f}),
    [](const auto& info) { return std::string(info.param.name); });

// A week of frames at 60 a second with the swing running: every frame still moves the
// phase, and the texture flow still steps by 0.02 * speed (modulo the wrap), as on frame one.
TEST(Flight, AWeekOfFramesKeepsMovingSmoothly) {
    constexpr long kFrames = 60L * 60 * 60 * 24 * 7;
    Flight f = Started();
    double previousOffset = renderer::TextureFlowOffset(f.time);
    double worstFlowError = 0;
    long stalledFrames = 0;
    for (long frame = 0; frame < kFrames; ++frame) {
        const double before = f.time;
        const float speed = f.speed;
        renderer::AdvanceTunnelTime(f);
        if (f.time == before) ++stalledFrames;
        if (frame % 997 == 0 || frame > kFrames - 100) {
            const double offset = renderer::TextureFlowOffset(f.time);
            double step = offset - previousOffset;
            step -= std::floor(step + 0.5);  // undo the wrap
            worstFlowError = std::max(worstFlowError, std::abs(step - 0.02 * speed));
        }
        previousOffset = renderer::TextureFlowOffset(f.time);
        renderer::StepTunnelSpeed(f, {});
    }
    EXPECT_GT(f.time, 1e7) << "a week of flight covers tens of millions of units";
    EXPECT_EQ(stalledFrames, 0);
    EXPECT_LT(worstFlowError, 1e-6) << "the texture flow must not stutter";
}

}  // namespace
