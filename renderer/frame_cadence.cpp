// The frame beat and the measurement of the swap's own waiting, in clock ticks.
#include "renderer/frame_cadence.h"

#include <algorithm>

#include "common/power_state.h"

namespace renderer {
namespace {
// Swap timing is judged over the latest intervals between frames: the swap does not wait when
// their median is shorter than the refresh by more than the wobble of frames that do wait for
// it. The median, not the mean: a driver that queues the first few swaps without waiting still
// counts as waiting once its queue is full.
constexpr int64_t kWaitingMedianPercentOfRefresh = 97;
constexpr int kMaxRefreshHz = 1000;
constexpr int kLateRefreshesBeforeNewBeat = 2;
}  // namespace

int RefreshRateOrFallback(uint32_t reportedHz) {
    if (reportedHz <= 1 || reportedHz > kMaxRefreshHz) return kFallbackRefreshHz;
    return static_cast<int>(reportedHz);
}

FrameCadence::FrameCadence(int64_t ticksPerSecond, uint32_t reportedRefreshHz, bool swapWaitsOffered)
    : ticksPerSecond_(ticksPerSecond),
      refreshHz_(RefreshRateOrFallback(reportedRefreshHz)),
      holdsFrames_(!swapWaitsOffered) {}

int FrameCadence::BeatHz() const {
    // Never above the display's own refresh: a 24 Hz display shows 24 pictures a second.
    return sparing_ ? std::min(refreshHz_, static_cast<int>(common::kSparingFramesPerSecond)) : refreshHz_;
}

void FrameCadence::StartBeatAt(int64_t ticks) {
    beatStartTicks_ = ticks;
    beatFrame_ = 0;
}

FrameCue FrameCadence::Next(int64_t nowTicks, bool displayAsleep, bool sparesPower) {
    if (sparesPower != sparing_) {
        // The flight's pace follows the clock, not the frames: a new rate makes no jump in it.
        sparing_ = sparesPower;
        beatRestarts_ = true;
        watchedCount_ = 0;  // intervals held to the slower beat say nothing of the swap
    }
    if (displayAsleep) {
        asleep_ = true;
        return {false, kWaitForMessage, false};
    }
    if (asleep_) {
        asleep_ = false;
        wokeUp_ = true;
        hasPresented_ = false;  // the pause is no frame interval, and the beat starts afresh
    }
    // NOTE: without a clock rate there is no time to hold frames to: every pass draws.
    if (Holding() && ticksPerSecond_ > 0 && hasPresented_ && !beatRestarts_) {
        const int64_t period = PeriodTicks();
        int64_t waitTicks = DueTicks() - nowTicks;
        if (waitTicks > period) {
            // The clock stepped back: the beat starts again from now rather than hold the
            // loop for as long as the clock fell.
            StartBeatAt(nowTicks);
            waitTicks = 0;
        }
        if (waitTicks > 0) {
            // Rounded up: waking a little late keeps the beat, waking early would spin.
            const int64_t waitMs = (waitTicks * 1000 + ticksPerSecond_ - 1) / ticksPerSecond_;
            return {false, static_cast<uint32_t>(waitMs), false};
        }
    }
    const FrameCue cue{true, 0, wokeUp_};
    wokeUp_ = false;
    return cue;
}

void FrameCadence::FramePresented(int64_t nowTicks) {
    const bool wasHolding = Holding();
    if (!Holding()) WatchSwapTiming(nowTicks);
    const bool beatStarts = !hasPresented_ || Holding() != wasHolding || beatRestarts_;
    beatRestarts_ = false;
    hasPresented_ = true;
    lastPresentTicks_ = nowTicks;
    if (!Holding() || ticksPerSecond_ <= 0) return;
    if (beatStarts) {
        StartBeatAt(nowTicks);
        beatFrame_ = 1;  // the next frame a refresh from now
    } else if (nowTicks - DueTicks() > kLateRefreshesBeforeNewBeat * PeriodTicks()) {
        // Well behind (slow frames, a busy machine): the next frame is due at once and the
        // beat goes on from it, rather than catching up with a burst of frames. A frame a
        // little late (a wait that woke late) is caught up by the next one coming sooner.
        StartBeatAt(nowTicks);
    } else {
        ++beatFrame_;
    }
    if (beatFrame_ == BeatHz()) {  // a whole second: the start moves on exactly
        beatStartTicks_ += ticksPerSecond_;
        beatFrame_ = 0;
    }
}

void FrameCadence::WatchSwapTiming(int64_t nowTicks) {
    if (!hasPresented_ || ticksPerSecond_ <= 0) return;
    int64_t interval = nowTicks - lastPresentTicks_;
    if (interval > ticksPerSecond_) interval = ticksPerSecond_;  // a stall says nothing more
    watchedIntervals_[watchedCount_++] = interval;
    if (watchedCount_ < watchedIntervals_.size()) return;
    watchedCount_ = 0;
    auto middle = watchedIntervals_.begin() + watchedIntervals_.size() / 2;
    std::nth_element(watchedIntervals_.begin(), middle, watchedIntervals_.end());
    // median < 97 % of a refresh, without dividing: median * 100 * refresh < 97 * rate
    if (*middle * 100 * refreshHz_ < kWaitingMedianPercentOfRefresh * ticksPerSecond_) holdsFrames_ = true;
}

}  // namespace renderer
