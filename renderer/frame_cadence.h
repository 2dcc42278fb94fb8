// When the renderer's loop draws its next frame, and how long it waits for a message otherwise:
// a frame per refresh of the display, no more. Where the swap waits for the retrace, the swap
// itself keeps that beat; where it does not (not offered, or offered and not honoured, which is
// measured: frames come back faster than the display refreshes), the loop waits for the next
// frame time itself. While the computer spares power (on battery, a saver on) the loop holds
// frames to at most kSparingFramesPerSecond itself, whatever the swap does. While the display
// is asleep no frame is due at all. Portable: times come in as ticks of the frame clock.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace renderer {

// The rate the display settings report; 0 and 1 there mean the hardware's default, unknown.
constexpr int kFallbackRefreshHz = 60;
int RefreshRateOrFallback(uint32_t reportedHz);

// How long to wait when no frame is due until a message comes.
constexpr uint32_t kWaitForMessage = 0xFFFFFFFF;

struct FrameCue {
    bool drawNow = false;
    uint32_t waitMs = 0;         // when not drawing: the longest wait for a message, in ms
    bool restartsPace = false;   // the first frame after the display woke: the pause is forgotten
};

class FrameCadence {
  public:
    // ticksPerSecond of the frame clock (0 or less: unknown, and frames are never held back);
    // reportedRefreshHz as the display settings give it; swapWaitsOffered: the driver accepted
    // a swap interval of one retrace.
    FrameCadence(int64_t ticksPerSecond, uint32_t reportedRefreshHz, bool swapWaitsOffered);

    // In a pass of the loop that found no message: draw now, or wait. sparesPower: on battery
    // or with a saver on, as the power notifications last said.
    FrameCue Next(int64_t nowTicks, bool displayAsleep, bool sparesPower = false);
    // When the swap of a drawn frame has returned.
    void FramePresented(int64_t nowTicks);

    // The loop holds frames to the refresh itself.
    bool holdsFrames() const { return holdsFrames_; }

  private:
    // The rate frames are held to, and whether the loop holds them itself.
    int BeatHz() const;
    bool Holding() const { return holdsFrames_ || BeatHz() < refreshHz_; }
    int64_t DueTicks() const { return beatStartTicks_ + beatFrame_ * ticksPerSecond_ / BeatHz(); }
    int64_t PeriodTicks() const { return ticksPerSecond_ / BeatHz(); }
    void StartBeatAt(int64_t ticks);
    void WatchSwapTiming(int64_t nowTicks);

    int64_t ticksPerSecond_;
    int refreshHz_;
    bool holdsFrames_;
    bool asleep_ = false;
    bool wokeUp_ = false;
    bool sparing_ = false;
    bool beatRestarts_ = false;  // the rate changed: the next frame starts the beat
    // The beat of held frames: frame beatFrame_ is due at beatStartTicks_ + beatFrame_ periods,
    // counted from a start that moves on a whole second at a time, so no rounding accumulates.
    int64_t beatStartTicks_ = 0;
    int64_t beatFrame_ = 0;
    // The measurement of whether swaps wait: the latest intervals between presented frames.
    bool hasPresented_ = false;
    int64_t lastPresentTicks_ = 0;
    static constexpr size_t kWatchedIntervals = 16;
    std::array<int64_t, kWatchedIntervals> watchedIntervals_{};
    size_t watchedCount_ = 0;
};

}  // namespace renderer
