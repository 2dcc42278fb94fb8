// The frame pacer's real time on Windows: the high-resolution performance counter.
#pragma once
#include "renderer/frame_pacer.h"

namespace renderer {

class PerformanceClock : public FrameClock {
  public:
    int64_t NowTicks() const override;
    int64_t TicksPerSecond() const override;
};

}  // namespace renderer
