// The frame pacer with a fake clock: 60 animation steps a second at any frame rate, through
// jitter and stalls, and never a misread of an odd clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numeric>
#include <tuple>
#include <vector>

#include "renderer/frame_pacer.h"

namespace {

using renderer::FramePacer;

class FakeClock : public renderer::FrameClock {
  public:
    explicit FakeClock(int64_t ticksPerSecond, int64_t start = 0) : ticksPerSecond_(ticksPerSecond), now_(start) {}
    int64_t NowTicks() const override { return now_; }
    int64_t TicksPerSecond() const override { return ticksPerSecond_; }
    void Set(int64_t now) { now_ = now; }
    void Advance(int64_t ticks) { now_ += ticks; }

  private:
    int64_t ticksPerSecond_;
    int64_t now_;
};

// Counter rates met in practice: Wine's and recent Windows' 10 MHz, the old ACPI timer's
// 3.579545 MHz (not a multiple of 60), and a nanosecond counter.
constexpr int64_t kTenMHz = 10'000'000;
constexpr int64_t kAcpiTimer = 3'579'545;
constexpr int64_t kNanoseconds = 1'000'000'000;

// The steps each frame takes, for frames at a steady rate from t = 0 to t = seconds, both
// included. The flight those steps make, and that each step reads the keys, is
// presented_flight's and flight_test's.
std::vector<int> StepsPerFrame(int framesPerSecond, int seconds, int64_t ticksPerSecond) {
    FakeClock clock(ticksPerSecond, 12345);
    FramePacer pacer(clock);
    std::vector<int> steps;
    for (int64_t frame = 0; frame <= int64_t{framesPerSecond} * seconds; ++frame) {
        clock.Set(12345 + frame * ticksPerSecond / framesPerSecond);
        steps.push_back(pacer.StepsForFrame());
    }
    return steps;
}

class AnyRefresh : public testing::TestWithParam<std::tuple<int, int64_t>> {};

TEST_P(AnyRefresh, TenSecondsTakeTheStepsOfTenSecondsAtSixty) {
    const auto [framesPerSecond, ticksPerSecond] = GetParam();
    const std::vector<int> steps = StepsPerFrame(framesPerSecond, 10, ticksPerSecond);
    EXPECT_EQ(std::accumulate(steps.begin(), steps.end(), 0), 601) << "one step for the first frame, then 60 a second";
}

INSTANTIATE_TEST_SUITE_P(Rates, AnyRefresh,
                         testing::Combine(testing::Values(60, 144, 240, 75, 120, 50),
                                          testing::Values(kTenMHz, kAcpiTimer, kNanoseconds)));

struct SteadyCase {
    const char* name;
    int framesPerSecond;
    int stepsEachLaterFrame;
};

class SteadyRate : public testing::TestWithParam<SteadyCase> {};

TEST_P(SteadyRate, EveryFrameAfterTheFirstTakesTheSameSteps) {
    const std::vector<int> steps = StepsPerFrame(GetParam().framesPerSecond, 4, kAcpiTimer);
    ASSERT_EQ(steps.front(), 1);
    for (size_t frame = 1; frame < steps.size(); ++frame) {
        ASSERT_EQ(steps[frame], GetParam().stepsEachLaterFrame) << "frame " << frame;
    }
}

// Below 15 frames a second the cap holds: a very slow machine flies slower rather than in
// jumps of more than four steps.
INSTANTIATE_TEST_SUITE_P(Rates, SteadyRate, testing::Values(
    SteadyCase{"Sixty", 60, 1},
    SteadyCase{"Thirty", 30, 2},
    SteadyCase{"Twenty", 20, 3},
    SteadyCase{"Fifteen", 15, 4},
    SteadyCase{"TenIsCapped", 10, 4}),
    [](const auto& info) { return std::string(info.param.name); });

// Swap timing wobbles by up to half a frame from the display's beat: still exactly the
// display's steps per frame, never none-then-two.
TEST(FramePacer, JitterOfLessThanHalfAStepKeepsTheBeat) {
    for (const int framesPerSecond : {60, 30}) {
        FakeClock clock(kTenMHz);
        FramePacer pacer(clock);
        ASSERT_EQ(pacer.StepsForFrame(), 1);
        const int64_t step = kTenMHz / 60;
        uint32_t random = 12345;
        for (int64_t frame = 1; frame < 2000; ++frame) {
            random = random * 1103515245u + 12345u;
            const int64_t wobble = int64_t(random >> 8) % (step * 9 / 10) - step * 9 / 20;  // within +-45 %
            clock.Set(frame * kTenMHz / framesPerSecond + wobble);
            ASSERT_EQ(pacer.StepsForFrame(), 60 / framesPerSecond) << framesPerSecond << " fps, frame " << frame;
        }
    }
}

TEST(FramePacer, AStallTakesAtMostTheCapThenTheBeatResumes) {
    FakeClock clock(kTenMHz);
    FramePacer pacer(clock);
    const int64_t frameTicks = kTenMHz / 60;
    for (int frame = 0; frame < 60; ++frame) {
        pacer.StepsForFrame();
        clock.Advance(frameTicks);
    }
    clock.Advance(2 * kTenMHz);
    EXPECT_EQ(pacer.StepsForFrame(), renderer::kMaxStepsPerFrame);
    for (int frame = 0; frame < 60; ++frame) {
        clock.Advance(frameTicks);
        ASSERT_EQ(pacer.StepsForFrame(), 1) << "the stall must not be caught up later, frame " << frame;
    }
}

// The flight after that one step is flight_test's and the golden trace's.
TEST(FramePacer, FirstFrameTakesOneStepWhateverTheClockReads) {
    for (const int64_t start : {int64_t{0}, int64_t{-5'000'000'000}, std::numeric_limits<int64_t>::max() / 2}) {
        for (const bool restartedFirst : {false, true}) {  // as on a display woken before the first frame
            FakeClock clock(kTenMHz, start);
            FramePacer pacer(clock);
            if (restartedFirst) pacer.RestartClock();
            ASSERT_EQ(pacer.StepsForFrame(), 1);
            EXPECT_EQ(pacer.StepsForFrame(), 0) << "no real time has passed since the first frame";
        }
    }
}

struct OddClockCase {
    const char* name;
    int64_t ticksPerSecond;
    int64_t secondFrameTicks;  // relative to the first frame
    int expectedSteps;
};

class OddClock : public testing::TestWithParam<OddClockCase> {};

TEST_P(OddClock, GivesASaneStepCount) {
    FakeClock clock(GetParam().ticksPerSecond, 1'000'000);
    FramePacer pacer(clock);
    ASSERT_EQ(pacer.StepsForFrame(), 1);
    clock.Advance(GetParam().secondFrameTicks);
    EXPECT_EQ(pacer.StepsForFrame(), GetParam().expectedSteps);
}

INSTANTIATE_TEST_SUITE_P(Clocks, OddClock, testing::Values(
    OddClockCase{"SteppingBackGivesNone", kTenMHz, -kTenMHz, 0},
    OddClockCase{"ASuspendOfCenturiesIsOneStall", kNanoseconds, std::numeric_limits<int64_t>::max() / 2,
                 renderer::kMaxStepsPerFrame},
    OddClockCase{"UnknownRateStepsOncePerFrame", 0, 123, 1},
    OddClockCase{"NegativeRateStepsOncePerFrame", -1, 5'000'000, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

struct PauseCase {
    const char* name;
    int64_t pauseTicks;
};

class PauseOfTheDisplay : public testing::TestWithParam<PauseCase> {};

// Flying at 144 frames a second, then a pause with the clock restarted: the flight carries on
// from the very moment it showed. A pause without the restart is a stall, as above.
TEST_P(PauseOfTheDisplay, ResumesWhereTheFlightWas) {
    FakeClock clock(kTenMHz);
    FramePacer pacer(clock);
    for (int frame = 0; frame < 100; ++frame) {
        pacer.StepsForFrame();
        clock.Advance(kTenMHz / 144);
    }
    const double fractionShown = pacer.StepFraction();
    clock.Advance(GetParam().pauseTicks);
    pacer.RestartClock();
    EXPECT_EQ(pacer.StepsForFrame(), 0);
    EXPECT_EQ(pacer.StepFraction(), fractionShown);
    clock.Advance(kTenMHz / 144);
    EXPECT_LE(pacer.StepsForFrame(), 1) << "the beat goes on after the pause";
}

INSTANTIATE_TEST_SUITE_P(Pauses, PauseOfTheDisplay, testing::Values(
    PauseCase{"TenSeconds", 10 * kTenMHz},
    PauseCase{"ANight", int64_t{12} * 3600 * kTenMHz}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
