// Saver session decisions; see saver_session.h.
//   load:    (the form wrote the texture file, then started the renderer) the music starts:
//            a CD is polled, an MP3 repeated
//   Timer1:  every 1000 ms, restart a finished MP3
//   Timer2:  every 200 ms, poll the CD; the poll's verdict keeps the timer going or stops it
//   Timer3:  every 500 ms, look for the renderer's window; gone means the session ends, and
//            so does a watch the system refuses to set
//   display: off ends the music as the end does, on starts it again as the load does
//   end:     stop CD (only while polled) and music file, show the cursor for "/s", terminate
#include "frontend/saver_session.h"

namespace frontend {

void SaverSession::Load(bool rendererStarted, uint32_t nowMs) {
    loadedAtMs_ = nowMs;
    rendererStarted_ = rendererStarted;
    StartMusic();
}

void SaverSession::StartMusic() {
    const music::MusicTimers music = music_.StartMusic();
    timers_.musicFileRepeat = music.repeatsMusicFile;
    timers_.cdPoll = music.pollsCd;
}

void SaverSession::StopMusic() {
    // The music timers go off first: nothing may tick into music that is being stopped.
    const bool cdStillPolled = timers_.cdPoll;
    timers_.musicFileRepeat = false;
    timers_.cdPoll = false;
    music_.StopMusic(cdStillPolled);
}

void SaverSession::OnDisplayShows(bool shows) {
    if (shows == !musicAsleep_) return;  // no change: nothing stops twice or starts twice
    musicAsleep_ = !shows;
    if (shows) {
        StartMusic();
    } else {
        StopMusic();
    }
}

void SaverSession::OnMusicFileRepeatTick() { music_.OnMusicFileRepeatTick(); }

void SaverSession::OnCdPollTick() { timers_.cdPoll = music_.OnCdPollTick(); }

bool SaverSession::OnRendererWatchTick(const RendererSighting& seen, uint32_t nowMs) {
    if (seen.windowExists) {
        rendererWindowSeen_ = true;
        return false;
    }
    // NOTE: a renderer that is still starting (a loaded machine, a slow disk) has not
    // opened its window yet; ending now would leave it flying alone with nobody to end
    // the session. Wait for a live renderer's first window, within a bound.
    const bool stillStarting =
        !rendererWindowSeen_ && rendererStarted_ && seen.processAlive && nowMs - loadedAtMs_ < kFirstWindowGraceMs;
    if (stillStarting) return false;
    timers_.rendererWatch = false;
    return true;
}

bool SaverSession::OnTimersSet(const RefusedTimers& refused) {
    // Skipped by design: a refused music timer only leaves the music unrepeated or unpolled.
    // A refused watch would leave the hidden session waiting for ever behind a renderer that
    // may already have gone, so the session ends now, as when the renderer cannot start.
    if (!refused.rendererWatch || !timers_.rendererWatch) return false;
    timers_.rendererWatch = false;
    return true;
}

SessionEnding SaverSession::QueryUnload(const std::wstring& switchLetter) {
    // Music that went to sleep with the display has nothing left open to stop.
    if (!musicAsleep_) StopMusic();
    return SessionEnding{switchLetter == L"S"};
}

}  // namespace frontend
