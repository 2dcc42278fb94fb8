// The renderer's frame loop, a pass at a time, so the run and the benchmark drive the same
// loop: one queued message per pass; otherwise a frame when one is due (the pacer's steps,
// the scene drawn at the frame's moment, the swap), or a wait that any message ends at once.
#pragma once
#include <windows.h>

#include "renderer/frame_cadence.h"
#include "renderer/frame_pacer.h"
#include "renderer/performance_clock_win32.h"
#include "renderer/render_window_win32.h"
#include "renderer/run_rules.h"
#include "renderer/tunnel_scene_win32.h"

namespace renderer {

// The display's refresh as the display settings report it; 0 where they cannot be read.
uint32_t ReportedRefreshHz();

// Timer waits to the millisecond while it lives (the system's default is a 64th of a second,
// too coarse to hold a frame beat).
class FineTimerResolution {
  public:
    FineTimerResolution();
    ~FineTimerResolution();
    FineTimerResolution(const FineTimerResolution&) = delete;
    FineTimerResolution& operator=(const FineTimerResolution&) = delete;

  private:
    bool isSet_ = false;
};

class FrameLoop {
  public:
    // Takes the pointer's start position, against which the pointer rule measures.
    FrameLoop(RenderWindow& window, TunnelScene& scene, uint32_t reportedRefreshHz);
    FrameLoop(const FrameLoop&) = delete;
    FrameLoop& operator=(const FrameLoop&) = delete;

    // One pass; false once the run is to end: WM_QUIT taken, Escape down after a frame, or the
    // pointer moved past the rule's distance.
    bool RunPass();
    long framesDrawn() const { return framesDrawn_; }
    // The loop holds frames to the refresh itself, the swap not waiting for the retrace.
    bool holdsFrames() const { return cadence_.holdsFrames(); }

  private:
    bool InputEndsRun();
    // The pointer's start position, and the DPI of the monitor it is on, taken anew.
    void TakeStartPosition();

    RenderWindow& window_;
    TunnelScene& scene_;
    const PerformanceClock clock_;
    FramePacer pacer_;
    FrameCadence cadence_;
    FineTimerResolution timerResolution_;
    ScreenPoint startCursor_;
    int startMonitorDpi_ = 0;  // the DPI of the monitor the pointer started on
    long framesDrawn_ = 0;
};

}  // namespace renderer
