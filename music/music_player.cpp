// The music module; see music_player.h.
//   load: the settings choose the music (music_choice); it starts after the renderer
//   CD:   OpenCd opens the drive; each PollCd checks track and mode and (re)starts play
//         when the disc has stopped or left the chosen track; StopCd stops and closes.
//   MP3:  PlayMp3 opens and plays the alias; Mp3Repeat restarts it from 0 once it has
//         ended; StopMp3 stops and closes it.
//   WAV:  PlayWav starts an endless loop in the sound player; StopWav ends it.
#include "music/music_player.h"

#include <algorithm>

#include "music/music_commands.h"
#include "host/number_text.h"

namespace music {

namespace mc = music_commands;

namespace {

// The player's own replies; no one shows them, they only stand where an MCI text would.
constexpr const wchar_t* kNoCommandText = L"コマンド文字列が指定されていません";
constexpr const wchar_t* kNoErrorText = L"Error (文字列が取れません)";

// A failure text is recognised by "ERR" in any case. Only ASCII letters are folded, so a
// Shift-JIS trail byte is never turned into a letter.
bool MentionsError(const std::string& text) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return upper.find("ERR") != std::string::npos;
}

}  // namespace

MusicPlayer::MusicPlayer(MusicPlatform& platform, const settings::SettingsRecord& settings,
                         int32_t& lastResult)
    : platform_(platform), settings_(settings), lastResult_(lastResult) {}

MusicTimers MusicPlayer::StartMusic() {
    if (!chosen_) {
        chosen_ = ChooseMusic(settings_, [this](unsigned char byte) { return platform_.IsLeadByte(byte); });
    }
    // A start after a stop (the display came back) is as the first: no answer of the music
    // before it stands in for the device's.
    cdOk_ = false;
    modeBuffer_ = {};
    mp3ModeBuffer_ = {};
    switch (*chosen_) {
        case MusicToPlay::AudioCd:
            OpenCd();
            return MusicTimers{false, true};
        case MusicToPlay::WavFile:
            PlayWav();
            return MusicTimers{};
        case MusicToPlay::Mp3File:
            PlayMp3();
            return MusicTimers{true, false};
        case MusicToPlay::None:
            break;
    }
    return MusicTimers{};
}

bool MusicPlayer::OnCdPollTick() {
    PollCd();
    return CdOk();
}

void MusicPlayer::StopMusic(bool cdStillPolled) {
    if (cdStillPolled) StopCd();
    // The music file stops as the start chose it; a CD, no music or a session whose music
    // never started has nothing more to stop.
    if (chosen_ == MusicToPlay::WavFile) {
        StopWav();
    } else if (chosen_ == MusicToPlay::Mp3File) {
        StopMp3();
    }
}

int32_t MusicPlayer::SendWithoutReply(const char* command) {
    return static_cast<int32_t>(platform_.SendMciString(command, nullptr, 0));
}

int32_t MusicPlayer::MciCommand(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = platform_.ToAnsi(kNoCommandText);
        return -1;
    }
    // NOTE: the platform writes an empty reply for commands that answer nothing; clearing
    // the first character makes sure an earlier reply never stands in for it either way.
    replyBuffer_.data()[0] = '\0';
    const uint32_t code =
        platform_.SendMciString(command.c_str(), replyBuffer_.data(), replyBuffer_.size());
    lastResult_ = static_cast<int32_t>(code);
    if (code != 0) {
        if (platform_.GetMciErrorString(code, errorBuffer_.data(), errorBuffer_.size())) {
            reply = errorBuffer_.Text();
        } else {
            reply = platform_.ToAnsi(kNoErrorText);
        }
        return static_cast<int32_t>(code);
    }
    reply = replyBuffer_.Text();
    return 0;
}

std::string MusicPlayer::MciQuery(const std::string& command) {
    const int32_t code = MciCommand(command, mciReply_);
    lastResult_ = code;
    if (code != 0) return "Error:" + std::to_string(code);
    return mciReply_;
}

int32_t MusicPlayer::MciPlay(const std::string& device, const std::string& from,
                             const std::string& to) {
    return MciCommand(mc::PlayCommand(device, from, to), mciReply_);
}

void MusicPlayer::OpenCd() {
    // Skipped by design: a drive without a disc fails here and again at the first poll,
    // which is where it ends the polling.
    lastResult_ = SendWithoutReply(mc::kOpenCd);
    lastResult_ = SendWithoutReply(mc::kCdTimeFormat);
}

void MusicPlayer::PollCd() {
    cdOk_ = true;
    const std::string currentTrack = MciQuery(mc::kCdCurrentTrack);
    if (MentionsError(currentTrack)) {
        cdOk_ = false;
        return;
    }
    const std::string trackCount = MciQuery(mc::kCdTrackCount);
    if (MentionsError(trackCount)) {
        cdOk_ = false;
        return;
    }
    // NOTE: the buffer is not cleared first: a failing mode query leaves the previous mode
    // standing, and its first 7 characters are what counts.
    lastResult_ = static_cast<int32_t>(
        platform_.SendMciString(mc::kCdMode, modeBuffer_.data(), modeBuffer_.size() - 1));
    const bool stopped = modeBuffer_.BeginsWith("stopped");

    if (settings_.BgmRepeat == 0) {
        if (stopped) MciPlay(mc::kCdDevice, "", "");
        return;
    }
    // A current track that does not read as a number means the device cannot be followed:
    // the polling ends.
    const auto track = host::ReadWholeNumber(currentTrack);
    if (!track) {
        cdOk_ = false;
        return;
    }
    if (*track != settings_.BgmRepeat || stopped) {
        // The start position goes back exactly as the device gave it. A track beyond the
        // disc gives an "Error:" text here and the play then fails; both are skipped by
        // design and the disc plays on.
        const std::string start = MciQuery(mc::TrackPositionQuery(settings_.BgmRepeat));
        MciPlay(mc::kCdDevice, start, "");
    }
}

void MusicPlayer::StopCd() {
    lastResult_ = SendWithoutReply(mc::kStopCd);
    lastResult_ = SendWithoutReply(mc::kCloseCd);
}

void MusicPlayer::PlayMp3() {
    // Skipped by design: a file that cannot be opened plays nothing, and each repeat tick
    // then fails silently on the alias.
    if (SendWithoutReply(mc::OpenMp3Command(settings_.BgmFile).c_str()) == 0) {
        SendWithoutReply(mc::kPlayMp3);
    }
}

bool MusicPlayer::Mp3IsPlaying() {
    // NOTE: not cleared first, like the CD mode: a failing query keeps the last answer.
    platform_.SendMciString(mc::kMp3Mode, mp3ModeBuffer_.data(), mp3ModeBuffer_.size());
    return mp3ModeBuffer_.BeginsWith("playing");
}

void MusicPlayer::Mp3Repeat() {
    if (Mp3IsPlaying()) return;
    SendWithoutReply(mc::kStopMp3);
    SendWithoutReply(mc::kRestartMp3);
}

void MusicPlayer::StopMp3() {
    SendWithoutReply(mc::kStopMp3);
    SendWithoutReply(mc::kCloseMp3);
}

void MusicPlayer::PlayWav() {
    // With no wave output device there is nothing to play on.
    if (platform_.CountWaveOutDevices() < 1) return;
    lastResult_ = platform_.PlaySoundNamed(settings_.BgmFile.c_str(), kWavLoopFlags);
}

void MusicPlayer::StopWav() { lastResult_ = platform_.PlaySoundNamed(nullptr, 0); }

}  // namespace music
