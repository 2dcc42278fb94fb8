// How many animation steps each drawn frame takes, so that the flight moves 60 steps per second
// of real time whatever the display's refresh or the machine's speed. Portable: real time comes
// through a tiny clock interface (the performance counter on Windows, a fake one in tests).
#pragma once
#include <cstdint>

namespace renderer {

constexpr int kAnimationStepsPerSecond = 60;
// A frame after a stall (a busy disk, a dragged window) takes at most this many steps; the
// rest of the stall is dropped, so the flight pauses briefly instead of jumping ahead.
constexpr int kMaxStepsPerFrame = 4;

class FrameClock {
  public:
    virtual ~FrameClock() = default;
    virtual int64_t NowTicks() const = 0;        // a monotonic counter
    virtual int64_t TicksPerSecond() const = 0;  // its rate; 0 or less when unknown
};

class FramePacer {
  public:
    explicit FramePacer(const FrameClock& clock) : clock_(clock) {}

    // Called once at the start of each frame, before drawing. The first frame takes exactly one
    // step; later frames take as many as the real time since the previous frame holds, up to
    // kMaxStepsPerFrame.
    int StepsForFrame();

    // How far real time has run past the latest step toward the next, as of the latest
    // StepsForFrame: from 0 up to just under 1, the share of the coming step a frame may show.
    // 1 before the first frame and without a usable clock, where each frame shows its step.
    double StepFraction() const;

    // After a pause (the display asleep): the real time since the previous frame is forgotten,
    // so the next frame carries on from where the flight was instead of catching up.
    void RestartClock();

  private:
    const FrameClock& clock_;
    bool started_ = false;
    int64_t ticksPerSecond_ = 0;
    int64_t previousFrameTicks_ = 0;
    // Real time owed to the flight, in ticks times kAnimationStepsPerSecond, so that one step
    // is exactly ticksPerSecond_ units and no rounding accumulates over a long run.
    int64_t owed_ = 0;
};

}  // namespace renderer
