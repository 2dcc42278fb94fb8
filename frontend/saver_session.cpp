// Saver session decisions; see saver_session.h.
//   load:    texture file, then the renderer, then the music (CD: Timer2, MP3: Timer1)
//   Timer1:  every 1000 ms, restart a finished MP3
//   Timer2:  every 200 ms, poll the CD; the poll's verdict keeps the timer going or stops it
//   Timer3:  every 500 ms, look for the renderer's window; gone means the session ends, and
//            so does a watch the system refuses to set
//   end:     stop CD (only while polled) and music file, show the cursor for "/s", terminate
#include "frontend/saver_session.h"

#include "common/exchange_names.h"

namespace frontend {

SaverSession::SaverSession(SessionPlatform& platform, music::SessionMusic& music)
    : platform_(platform), music_(music) {}

void SaverSession::Load(const std::string& programFolder, uint32_t nowMs) {
    loadedAtMs_ = nowMs;
    // The texture file must be complete before the renderer starts, and the renderer
    // starts before the music.
    platform_.WriteTextureFile(common::kTextureFilePath);
    rendererPath_ = programFolder + common::kRendererFileName;
    rendererStarted_ = platform_.StartRenderer(rendererPath_);
    const music::MusicTimers musicTimers = music_.StartMusic();
    timers_.timer1Enabled = musicTimers.timer1;
    timers_.timer2Enabled = musicTimers.timer2;
}

void SaverSession::OnTimer1() { music_.OnTimer1(); }

void SaverSession::OnTimer2() { timers_.timer2Enabled = music_.OnTimer2(); }

bool SaverSession::OnTimer3(uint32_t nowMs) {
    if (platform_.RendererWindowExists()) {
        rendererWindowSeen_ = true;
        return false;
    }
    // NOTE: a renderer that is still starting (a loaded machine, a slow disk) has not
    // opened its window yet; ending now would leave it flying alone with nobody to end
    // the session. Wait for a live renderer's first window, within a bound.
    const bool stillStarting = !rendererWindowSeen_ && rendererStarted_ &&
                               platform_.RendererProcessAlive() &&
                               nowMs - loadedAtMs_ < kFirstWindowGraceMs;
    if (stillStarting) return false;
    timers_.timer3Enabled = false;
    return true;
}

bool SaverSession::OnTimersSet(const RefusedTimers& refused) {
    // Skipped by design: a refused music timer only leaves the music unrepeated or unpolled.
    // A refused watch would leave the hidden session waiting for ever behind a renderer that
    // may already have gone, so the session ends now, as when the renderer cannot start.
    if (!refused.timer3 || !timers_.timer3Enabled) return false;
    timers_.timer3Enabled = false;
    return true;
}

void SaverSession::QueryUnload() {
    // The music timers go off first: nothing may tick into music that is being stopped.
    const bool timer2StillPolls = timers_.timer2Enabled;
    timers_.timer1Enabled = false;
    timers_.timer2Enabled = false;
    music_.StopMusic(timer2StillPolls);
    if (platform_.SwitchLetter() == "S") platform_.ShowCursorAgain();
    platform_.EndProgram();
}

}  // namespace frontend
