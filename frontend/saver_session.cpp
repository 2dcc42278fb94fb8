// Saver session decisions; see saver_session.h.
//   load:    texture file, then the renderer, then the music (CD: Timer2, MP3: Timer1)
//   Timer1:  every 1000 ms, restart a finished MP3
//   Timer2:  every 200 ms, poll the CD; the poll's verdict keeps the timer going or stops it
//   Timer3:  every 500 ms, look for the renderer's window; gone means the session ends
//   end:     stop CD (only while polled) and music file, show the cursor for "/s", terminate
#include "frontend/saver_session.h"

#include <algorithm>
#include <cctype>

namespace {

std::string UpperLastThree(const std::string& path) {
    std::string ending = path.size() >= 3 ? path.substr(path.size() - 3) : path;
    // Only ASCII letters change: a Shift-JIS trail byte must not be mistaken for a letter
    // that upper-cases to something else, and the endings looked for are plain ASCII.
    std::transform(ending.begin(), ending.end(), ending.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return ending;
}

}  // namespace

SessionMusicKind ChooseSessionMusic(const SettingsRecord& settings) {
    if (settings.BgmKind == kBgmAudioCd) return SessionMusicKind::AudioCd;
    if (settings.BgmKind != kBgmMusicFile) return SessionMusicKind::None;
    const std::string ending = UpperLastThree(settings.BgmFile);
    if (ending == "WAV") return SessionMusicKind::Wav;
    if (ending == "MP3") return SessionMusicKind::Mp3;
    return SessionMusicKind::None;
}

SaverSession::SaverSession(SessionPlatform& platform, SessionMusic& music,
                           const SettingsRecord& settings)
    : platform_(platform), music_(music), settings_(settings) {}

void SaverSession::Load(const std::string& programFolder, uint32_t nowMs) {
    loadedAtMs_ = nowMs;
    // The texture file must be complete before the renderer starts, and the renderer
    // starts before the music.
    platform_.WriteTextureFile(kTextureFile);
    rendererPath_ = programFolder + "\\Vaporquill.dll";
    rendererStarted_ = platform_.StartRenderer(rendererPath_);
    switch (ChooseSessionMusic(settings_)) {
        case SessionMusicKind::AudioCd:
            music_.OpenCd();
            timers_.timer2Enabled = true;
            break;
        case SessionMusicKind::Wav:
            music_.PlayWav();
            break;
        case SessionMusicKind::Mp3:
            music_.PlayMp3();
            timers_.timer1Enabled = true;
            break;
        case SessionMusicKind::None:
            break;
    }
}

void SaverSession::OnTimer1() { music_.Mp3Repeat(); }

void SaverSession::OnTimer2() {
    music_.PollCd();
    timers_.timer2Enabled = music_.CdOk();
}

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

void SaverSession::QueryUnload() {
    if (timers_.timer2Enabled) {
        timers_.timer2Enabled = false;
        music_.StopCd();
    }
    if (settings_.BgmKind == kBgmMusicFile) {
        const SessionMusicKind kind = ChooseSessionMusic(settings_);
        if (kind == SessionMusicKind::Wav) {
            music_.StopWav();
        } else if (kind == SessionMusicKind::Mp3) {
            timers_.timer1Enabled = false;
            music_.StopMp3();
        }
    }
    if (platform_.SwitchLetter() == "S") platform_.ShowCursor();
    platform_.EndProgram();
}
