// What each frame shows: the first step exactly, then moments between the latest two steps
// that follow real time evenly at any refresh, never ahead of the stepped flight.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "renderer/flight.h"
#include "renderer/frame_pacer.h"
#include "renderer/presented_flight.h"

namespace {

using renderer::PresentedFlight;

class FakeClock : public renderer::FrameClock {
  public:
    int64_t NowTicks() const override { return now_; }
    int64_t TicksPerSecond() const override { return kRate; }
    void Set(int64_t now) { now_ = now; }
    static constexpr int64_t kRate = 3'579'545;  // not a multiple of any refresh

  private:
    int64_t now_ = 0;
};

TEST(PresentedFlight, FirstFramesShowTheFirstStepExactly) {
    for (const double fraction : {0.0, 0.25, 0.5, 0.999, 1.0, std::nan("")}) {
        PresentedFlight flight;
        flight.Reset();
        flight.TakeSteps(1, {});
        EXPECT_EQ(flight.PresentedTime(fraction), 0.5) << fraction;
        flight.TakeSteps(0, {});
        EXPECT_EQ(flight.PresentedTime(fraction), 0.5) << "a frame without a step, " << fraction;
    }
}

// Forward, and backward with Down held, late in a long flight where rounding is coarse: every
// blend lies between the latest two steps, and a fraction of 1 or more shows the latest.
TEST(PresentedFlight, NeverLeavesTheLatestTwoSteps) {
    for (const bool backward : {false, true}) {
        PresentedFlight flight;
        flight.Reset();
        flight.TakeSteps(backward ? 2000 : 3'000'000, {false, backward});
        const double latest = flight.flight().time;
        flight.TakeSteps(1, {false, backward});
        const double before = latest, after = flight.flight().time;
        ASSERT_EQ(after < before, backward);
        for (double fraction = -0.5; fraction <= 1.5; fraction += 1.0 / 1024) {
            const double shown = flight.PresentedTime(fraction);
            ASSERT_GE(shown, std::min(before, after)) << fraction;
            ASSERT_LE(shown, std::max(before, after)) << fraction;
            if (fraction >= 1.0) {
                ASSERT_EQ(shown, after);
            }
        }
        EXPECT_EQ(flight.PresentedTime(std::numeric_limits<double>::quiet_NaN()), after);
    }
}

struct RefreshCase {
    const char* name;
    int framesPerSecond;
    int stallAtFrame;  // a frame that comes two seconds late; -1 for none
};

class PresentedAtRefresh : public testing::TestWithParam<RefreshCase> {};

// The loop's use: the pacer's steps, then the time at the pacer's fraction. After the first
// few frames each frame shows a later moment than the one before, as far on as the real time
// between them: the flight glides at any refresh instead of repeating a step.
TEST_P(PresentedAtRefresh, EveryFrameShowsAMomentOfItsOwnEvenlySpaced) {
    const int rate = GetParam().framesPerSecond;
    FakeClock clock;
    renderer::FramePacer pacer(clock);
    PresentedFlight flight;
    flight.Reset();
    double previousShown = 0;
    int64_t lateTicks = 0;
    long distinct = 0;
    const int frames = rate * 10;
    for (int frame = 0; frame < frames; ++frame) {
        if (frame == GetParam().stallAtFrame) lateTicks = 2 * FakeClock::kRate;
        clock.Set(frame * FakeClock::kRate / rate + lateTicks);
        const float speed = flight.flight().speed;
        flight.TakeSteps(pacer.StepsForFrame(), {});
        const double shown = flight.PresentedTime(pacer.StepFraction());
        ASSERT_LE(shown, flight.flight().time) << "ahead of the flight at frame " << frame;
        ASSERT_GE(shown, previousShown) << "backward at frame " << frame;
        if (frame > 0 && shown != previousShown) ++distinct;
        const bool settled = frame > 3 && frame != GetParam().stallAtFrame && frame != GetParam().stallAtFrame + 1;
        if (settled) {
            // As far on as the real time: the speed times the steps in a frame, within the
            // speed's own change of 0.001 a step.
            const double expected = double(speed) * renderer::kAnimationStepsPerSecond / rate;
            ASSERT_NEAR(shown - previousShown, expected, expected * 0.01) << "frame " << frame;
        }
        previousShown = shown;
    }
    EXPECT_GE(distinct, frames - 4) << "frames showing the moment of the frame before";
}

INSTANTIATE_TEST_SUITE_P(Rates, PresentedAtRefresh, testing::Values(
    RefreshCase{"Sixty", 60, -1},
    RefreshCase{"SeventyFive", 75, -1},
    RefreshCase{"OneFortyFour", 144, -1},
    RefreshCase{"TwoForty", 240, -1},
    RefreshCase{"ThirtyEachShowsTwoStepsOn", 30, -1},
    RefreshCase{"OneFortyFourAfterAStall", 144, 500}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
