// Saver session decisions; see saver_session.h.
//   load:    texture file, then the renderer, then the music (CD: Timer2, MP3: Timer1)
//   Timer1:  every 1000 ms, restart a finished MP3
//   Timer2:  every 200 ms, poll the CD; the poll's verdict keeps the timer going or stops it
//   Timer3:  every 500 ms, look for the renderer's window; gone means the session ends, and
//            so does a watch the system refuses to set
//   end:     stop CD (only while polled) and music file, show the cursor for "/s", terminate
#include "frontend/saver_session.h"

#include "host/exchange_names.h"

namespace {

// The last three characters of an ANSI text, with ASCII letters upper-cased. Two-byte
// characters are found by walking from the start, as only a lead byte tells where one begins.
std::string UpperLastThreeCharacters(const std::string& text, const LeadByteTest& isLeadByte) {
    size_t starts[3] = {0, 0, 0};
    for (size_t at = 0; at < text.size();) {
        starts[0] = starts[1];
        starts[1] = starts[2];
        starts[2] = at;
        const bool twoBytes = isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size();
        at += twoBytes ? 2 : 1;
    }
    std::string ending = text.substr(starts[0]);
    // Only ASCII letters change, never the trail byte of a two-byte character: the endings
    // looked for are plain ASCII.
    for (size_t at = 0; at < ending.size(); ++at) {
        char& c = ending[at];
        if (isLeadByte(static_cast<unsigned char>(c))) {
            ++at;
        } else if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return ending;
}

}  // namespace

SessionMusicKind ChooseSessionMusic(const SettingsRecord& settings, const LeadByteTest& isLeadByte) {
    if (settings.BgmKind == kBgmAudioCd) return SessionMusicKind::AudioCd;
    if (settings.BgmKind != kBgmMusicFile) return SessionMusicKind::None;
    const std::string ending = UpperLastThreeCharacters(settings.BgmFile, isLeadByte);
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
    platform_.WriteTextureFile(kTextureFilePath);
    rendererPath_ = programFolder + kRendererFileName;
    rendererStarted_ = platform_.StartRenderer(rendererPath_);
    switch (ChooseSessionMusic(settings_, [this](unsigned char byte) { return platform_.IsLeadByte(byte); })) {
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

bool SaverSession::OnTimersSet(const RefusedTimers& refused) {
    // Skipped by design: a refused music timer only leaves the music unrepeated or unpolled.
    // A refused watch would leave the hidden session waiting for ever behind a renderer that
    // may already have gone, so the session ends now, as when the renderer cannot start.
    if (!refused.timer3 || !timers_.timer3Enabled) return false;
    timers_.timer3Enabled = false;
    return true;
}

void SaverSession::QueryUnload() {
    if (timers_.timer2Enabled) {
        timers_.timer2Enabled = false;
        music_.StopCd();
    }
    if (settings_.BgmKind == kBgmMusicFile) {
        const SessionMusicKind kind = ChooseSessionMusic(settings_, [this](unsigned char byte) { return platform_.IsLeadByte(byte); });
        if (kind == SessionMusicKind::Wav) {
            music_.StopWav();
        } else if (kind == SessionMusicKind::Mp3) {
            timers_.timer1Enabled = false;
            music_.StopMp3();
        }
    }
    if (platform_.SwitchLetter() == "S") platform_.ShowCursorAgain();
    platform_.EndProgram();
}
