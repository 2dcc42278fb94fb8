// The frame pacer's accounting, in integer clock units so a run of days keeps the exact pace.
#include "renderer/frame_pacer.h"

namespace renderer {

int FramePacer::StepsForFrame() {
    const int64_t now = clock_.NowTicks();
    if (!started_) {
        started_ = true;
        ticksPerSecond_ = clock_.TicksPerSecond();
        previousFrameTicks_ = now;
        // Start half a step in credit: at 60 frames a second each frame then lands mid-way
        // between two step boundaries, and timing jitter of up to half a frame either way still
        // gives exactly one step per frame instead of a none-then-two stutter.
        owed_ = ticksPerSecond_ / 2;
        return 1;
    }
    // NOTE: without a usable clock there is no real time to pace by: one step per frame.
    if (ticksPerSecond_ <= 0) return 1;

    int64_t elapsed = now - previousFrameTicks_;
    previousFrameTicks_ = now;
    if (elapsed < 0) elapsed = 0;  // a counter that steps back gives no time, and no steps
    // Anything over a second is past the cap anyway; bounding it keeps the product below from
    // overflowing after a long suspend.
    if (elapsed > ticksPerSecond_) elapsed = ticksPerSecond_;
    owed_ += elapsed * kAnimationStepsPerSecond;

    const int64_t steps = owed_ / ticksPerSecond_;
    if (steps > kMaxStepsPerFrame) {
        owed_ = ticksPerSecond_ / 2;  // the stall's remainder is dropped; the pace restarts
        return kMaxStepsPerFrame;
    }
    owed_ -= steps * ticksPerSecond_;
    return static_cast<int>(steps);
}

double FramePacer::StepFraction() const {
    if (!started_ || ticksPerSecond_ <= 0) return 1.0;
    // owed_ stays below one step (ticksPerSecond_) after every frame; see StepsForFrame.
    return static_cast<double>(owed_) / static_cast<double>(ticksPerSecond_);
}

void FramePacer::RestartClock() {
    if (started_) previousFrameTicks_ = clock_.NowTicks();
}

}  // namespace renderer
