// The pass of the frame loop: the cadence decides whether a frame is due, the pacer how far the
// flight moves, the scene draws; this file gathers what they need and carries it out.
#include "renderer/frame_loop_win32.h"

#include <mmsystem.h>

#include "common/monitor_dpi_win32.h"
#include "renderer/queued_message_win32.h"

namespace renderer {
namespace {

ScreenPoint CursorPosition(ScreenPoint fallback) {
    POINT p;
    if (!GetCursorPos(&p)) return fallback;  // an unread position counts as no movement
    return {p.x, p.y};
}

}  // namespace

uint32_t ReportedRefreshHz() {
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0;
    return mode.dmDisplayFrequency;
}

FineTimerResolution::FineTimerResolution() : isSet_(timeBeginPeriod(1) == TIMERR_NOERROR) {}

FineTimerResolution::~FineTimerResolution() {
    if (isSet_) timeEndPeriod(1);
}

FrameLoop::FrameLoop(RenderWindow& window, TunnelScene& scene, uint32_t reportedRefreshHz)
    : window_(window),
      scene_(scene),
      pacer_(clock_),
      cadence_(clock_.TicksPerSecond(), reportedRefreshHz, window.swapWaitsOffered()) {
    TakeStartPosition();
}

void FrameLoop::TakeStartPosition() {
    startCursor_ = CursorPosition(startCursor_);
    startMonitorDpi_ = common::MonitorDpiAt(POINT{startCursor_.x, startCursor_.y});
}

bool FrameLoop::InputEndsRun() {
    if (window_.keys().IsDown(VK_ESCAPE)) return true;
    // The system moves the hidden pointer when the monitors change, at times before the window
    // has heard of the change; only a hand on the mouse ends the run.
    if (window_.PointerSettling()) TakeStartPosition();
    return PointerEndsRun(startCursor_, CursorPosition(startCursor_), startMonitorDpi_) &&
           !window_.CatchUpWithTheMonitors();
}

bool FrameLoop::RunPass() {
    switch (HandleOneQueuedMessage()) {
        case QueuedMessage::Quit: return false;
        case QueuedMessage::Handled: return true;
        case QueuedMessage::None: break;
    }
    const FrameCue cue = cadence_.Next(clock_.NowTicks(), window_.displayAsleep(), window_.sparesPower());
    if (!cue.drawNow) {
        // NOTE: with no frames while the display sleeps, the run's end is looked for on every
        // pass, so input still ends it even if the display's waking were never announced.
        if (window_.displayAsleep() && InputEndsRun()) return false;
        // Skipped by design: a failed wait only makes this pass short.
        MsgWaitForMultipleObjectsEx(0, nullptr, cue.waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        return true;
    }
    if (cue.restartsPace) pacer_.RestartClock();
    const KeyTable& keys = window_.keys();
    scene_.TakeSteps(pacer_.StepsForFrame(), {keys.IsDown(VK_UP), keys.IsDown(VK_DOWN)});
    scene_.DrawFrame(window_.viewports(), pacer_.StepFraction());
    SwapBuffers(window_.dc());
    cadence_.FramePresented(clock_.NowTicks());
    ++framesDrawn_;
    return !InputEndsRun();
}

}  // namespace renderer
