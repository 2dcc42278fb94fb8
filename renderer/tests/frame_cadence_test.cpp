// The frame cadence against simulated displays and drivers: a frame per refresh whether or not
// the swap waits for the retrace, never a pass that spins, nothing while the display sleeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "renderer/frame_cadence.h"

namespace {

using renderer::FrameCadence;
using renderer::FrameCue;

constexpr int64_t kRate = 10'000'000;  // clock ticks a second
constexpr int64_t kMs = kRate / 1000;

enum class Swap { NotOffered, OfferedIgnored, WaitsForRetrace, QueuesThreeThenWaits };

struct Display {
    int refreshHz;
    Swap swap;
    int64_t drawTicks;  // drawing one frame, before the swap
    int64_t reportedHz = -1;  // what the display settings say, when not the refresh itself
};

struct Outcome {
    long frames = 0;
    long framesAfterFirstSecond = 0;  // once the swap's timing has been measured
    long passes = 0;          // passes that found no message: each draws or waits
    long waitsForMessage = 0; // passes told to wait with no time limit
    long restarts = 0;
    std::vector<int64_t> frameTicks;  // when each frame was presented

    // Frames presented a second, over [from, until) in seconds.
    double RateBetween(double from, double until) const {
        const auto inside = std::count_if(frameTicks.begin(), frameTicks.end(), [&](int64_t t) {
            return t >= static_cast<int64_t>(from * kRate) && t < static_cast<int64_t>(until * kRate);
        });
        return inside / (until - from);
    }
};

// Runs the loop's use of the cadence over simulated time: a wait lasts its full time (no
// message comes), a swap that waits returns at the next retrace. The display sleeps from
// sleepFrom to sleepUntil (seconds); its waking is a message that ends any wait. The computer
// spares power from spareFrom to spareUntil; the notifications are messages too.
Outcome Fly(const Display& display, double seconds, double sleepFrom = -1, double sleepUntil = -1,
            double spareFrom = -1, double spareUntil = -1) {
    const int64_t reported = display.reportedHz >= 0 ? display.reportedHz : display.refreshHz;
    FrameCadence cadence(kRate, static_cast<uint32_t>(reported), display.swap != Swap::NotOffered);
    const int64_t retrace = kRate / display.refreshHz;
    const int64_t end = static_cast<int64_t>(seconds * kRate);
    const auto at = [](double s) { return static_cast<int64_t>(s * kRate); };
    Outcome out;
    int64_t now = 1234;
    while (now < end) {
        const bool asleep = now >= at(sleepFrom) && now < at(sleepUntil);
        const bool sparing = now >= at(spareFrom) && now < at(spareUntil);
        const FrameCue cue = cadence.Next(now, asleep, sparing);
        ++out.passes;
        if (cue.restartsPace) ++out.restarts;
        if (!cue.drawNow) {
            if (cue.waitMs == renderer::kWaitForMessage) {
                ++out.waitsForMessage;
                now = asleep ? at(sleepUntil) : end;
            } else {
                if (cue.waitMs == 0) {
                    ADD_FAILURE() << "a pass that neither draws nor waits: the loop would spin";
                    break;
                }
                int64_t wokeAt = now + cue.waitMs * kMs;
                // A power notice is a message: it ends the wait when it comes.
                for (const int64_t notice : {at(spareFrom), at(spareUntil)}) {
                    if (notice > now && notice < wokeAt) wokeAt = notice;
                }
                now = wokeAt;
            }
            continue;
        }
        EXPECT_FALSE(asleep) << "a frame while the display sleeps";
        now += display.drawTicks;
        const bool waits = display.swap == Swap::WaitsForRetrace ||
                           (display.swap == Swap::QueuesThreeThenWaits && out.frames >= 3);
        if (waits) now = (now / retrace + 1) * retrace;
        cadence.FramePresented(now);
        ++out.frames;
        out.frameTicks.push_back(now);
        if (now >= kRate) ++out.framesAfterFirstSecond;
    }
    return out;
}

struct RateCase {
    const char* name;
    Display display;
    double framesPerSecond;  // expected, within 2 %
    bool loopHolds;          // the cadence holds frames itself (else the swap or the drawing)
};

class Cadence : public testing::TestWithParam<RateCase> {};

TEST_P(Cadence, DrawsAtTheRefreshWithoutSpinning) {
    const RateCase& c = GetParam();
    const Outcome out = Fly(c.display, 10);
    EXPECT_NEAR(out.framesAfterFirstSecond / 9.0, c.framesPerSecond, c.framesPerSecond * 0.02);
    // A held frame costs at most one wait and one draw; beyond that a pass spun.
    EXPECT_LE(out.passes, out.frames * (c.loopHolds ? 2 : 1) + 1);
    EXPECT_EQ(out.waitsForMessage, 0);
}

INSTANTIATE_TEST_SUITE_P(Displays, Cadence, testing::Values(
    RateCase{"NoSwapControlAtSixty", {60, Swap::NotOffered, 2 * kMs}, 60, true},
    RateCase{"NoSwapControlAt144", {144, Swap::NotOffered, kMs}, 144, true},
    RateCase{"NoSwapControlAt75", {75, Swap::NotOffered, 0}, 75, true},
    // The settings' 0 and 1 (the hardware's default) and nonsense mean an unknown rate: 60.
    RateCase{"ReportedZeroHoldsToSixty", {60, Swap::NotOffered, kMs, 0}, 60, true},
    RateCase{"ReportedOneHoldsToSixty", {60, Swap::NotOffered, kMs, 1}, 60, true},
    RateCase{"ReportedNonsenseHoldsToSixty", {60, Swap::NotOffered, kMs, 0xFFFFFFFF}, 60, true},
    RateCase{"SwapControlIgnoredAtSixty", {60, Swap::OfferedIgnored, kMs}, 60, true},
    RateCase{"SwapControlIgnoredAt240", {240, Swap::OfferedIgnored, kMs / 2}, 240, true},
    // Frames a little faster than the refresh are still too fast: the swap did not wait.
    RateCase{"SwapControlIgnoredDrawingNearTheRefresh", {60, Swap::OfferedIgnored, 14 * kMs}, 60, true},
    RateCase{"SwapWaitsAt144", {144, Swap::WaitsForRetrace, 3 * kMs}, 144, false},
    RateCase{"SwapQueuesThreeThenWaits", {60, Swap::QueuesThreeThenWaits, kMs}, 60, false},
    // Drawing slower than the refresh: frames back to back, never a wait on top.
    RateCase{"SlowDrawingNoSwapControl", {60, Swap::NotOffered, 25 * kMs}, 40, false},
    RateCase{"SlowDrawingSwapIgnored", {144, Swap::OfferedIgnored, 10 * kMs}, 100, false}),
    [](const auto& info) { return std::string(info.param.name); });

// One frame takes half a second (the machine was busy): the beat starts again after it
// instead of drawing the missed frames back to back.
TEST(Cadence, AStallIsNotCaughtUpWithABurst) {
    FrameCadence cadence(kRate, 60, false);
    int64_t now = 0, previousFrame = 0;
    long quickFrames = 0;
    for (int frame = 0; frame < 300; ++frame) {
        FrameCue cue;
        while (!(cue = cadence.Next(now, false)).drawNow) {
            ASSERT_GT(cue.waitMs, 0u) << "a pass that neither draws nor waits: the loop would spin";
            now += cue.waitMs * kMs;
        }
        if (frame > 0 && now - previousFrame < kRate / 60 - kMs) ++quickFrames;
        previousFrame = now;
        now += frame == 100 ? kRate / 2 : kMs;
        cadence.FramePresented(now);
    }
    EXPECT_LE(quickFrames, 1);
}

// On battery or with a saver on, at most 30 pictures a second whatever the display and the
// swap do, never more than the display shows, and the refresh again once on mains.
struct SparingCase {
    const char* name;
    Display display;
    double sparingPerSecond;
};

class SparingPower : public testing::TestWithParam<SparingCase> {};

TEST_P(SparingPower, HoldsFramesToThirtyThenTheRefreshAgain) {
    const SparingCase& c = GetParam();
    const Outcome out = Fly(c.display, 9, -1, -1, 3, 6);
    EXPECT_NEAR(out.RateBetween(1, 3), c.display.refreshHz, c.display.refreshHz * 0.03) << "on mains";
    EXPECT_NEAR(out.RateBetween(3.5, 6), c.sparingPerSecond, 1) << "sparing";
    EXPECT_LE(out.RateBetween(3, 6), c.sparingPerSecond + 1) << "not a frame more, even as it starts";
    EXPECT_NEAR(out.RateBetween(6.5, 9), c.display.refreshHz, c.display.refreshHz * 0.03) << "back on mains";
    EXPECT_LE(out.passes, out.frames * 2 + 4) << "a held frame costs one wait, a notice one more pass";
    EXPECT_EQ(out.restarts, 0) << "the flight's pace goes on: no restart, no jump";
}

INSTANTIATE_TEST_SUITE_P(Displays, SparingPower, testing::Values(
    SparingCase{"SwapWaitsAtSixty", {60, Swap::WaitsForRetrace, 3 * kMs}, 30},
    SparingCase{"SwapWaitsAt144", {144, Swap::WaitsForRetrace, 2 * kMs}, 30},
    SparingCase{"NoSwapControlAt120", {120, Swap::NotOffered, kMs}, 30},
    SparingCase{"SwapIgnoredAt75", {75, Swap::OfferedIgnored, kMs}, 30},
    SparingCase{"ADisplayOfTwentyFour", {24, Swap::WaitsForRetrace, kMs}, 24}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cadence, SleepsWhileTheDisplayIsOffAndWakesOnce) {
    const Outcome out = Fly({60, Swap::NotOffered, kMs}, 10, 2, 7);
    EXPECT_NEAR(out.frames, 5 * 60, 3) << "frames only in the five seconds awake";
    EXPECT_EQ(out.waitsForMessage, 1) << "asleep, the loop waits for a message, not for a time";
    EXPECT_EQ(out.restarts, 1) << "the first frame after waking restarts the pace, and only it";
}

TEST(Cadence, AClockSteppingBackKeepsDrawingAtTheRefresh) {
    FrameCadence cadence(kRate, 60, false);
    int64_t now = 100 * kRate;
    long frames = 0;
    for (const int64_t end : {101 * kRate, 2 * kRate}) {  // a second, then the clock an hour behind
        if (end < now) now = end - kRate;
        for (; now < end; ++frames) {
            FrameCue cue;
            while (!(cue = cadence.Next(now, false)).drawNow) {
                ASSERT_LE(cue.waitMs, 17u);
                now += cue.waitMs * kMs;
            }
            now += kMs;
            cadence.FramePresented(now);
        }
    }
    EXPECT_NEAR(frames, 120, 2) << "a second before the step and a second after it";
}

TEST(Cadence, WithoutAClockRateEveryPassDraws) {
    FrameCadence cadence(0, 60, false);
    for (int frame = 0; frame < 50; ++frame) {
        ASSERT_TRUE(cadence.Next(frame, false).drawNow);
        cadence.FramePresented(frame);
    }
}

}  // namespace
