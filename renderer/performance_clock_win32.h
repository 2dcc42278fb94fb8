// The frame pacer's real time on Windows: the high-resolution performance counter.
#pragma once
#include "frame_pacer.h"

namespace tunnel {

class PerformanceClock : public FrameClock {
  public:
    int64_t NowTicks() const override;
    int64_t TicksPerSecond() const override;
};

}  // namespace tunnel
