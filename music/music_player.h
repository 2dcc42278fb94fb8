// The music module: starts, keeps going and stops the background music of a saver session
// for the settings record (an audio CD, an MP3 file through MCI, or a looping WAV file
// through the sound player), and serves the session's events itself. Portable: it talks to
// the platform only through MusicPlatform. Every failure ends in silence: no operation
// raises or reports anything but the shared LastResult value.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "music/fixed_text.h"
#include "music/music_choice.h"
#include "music/music_platform.h"
#include "music/session_music.h"
#include "settings/settings_record.h"

namespace music {

class MusicPlayer : public SessionMusic {
  public:
    // The sound player's flags: play in the background, loop until stopped (by name, so the
    // platform tries the name as a sound alias first and then as a file).
    static constexpr uint32_t kWavLoopFlags = 0x0001 /*SND_ASYNC*/ | 0x0008 /*SND_LOOP*/;

    // lastResult is the front end's process-wide "result of the latest platform call".
    MusicPlayer(MusicPlatform& platform, const settings::SettingsRecord& settings, int32_t& lastResult);
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // The session's events: the music for the settings record by ChooseMusic, chosen at the
    // first start and remembered to the end (the settings do not change while a session
    // runs). A CD is opened and polled, an MP3 played and repeated, a WAV loops alone.
    MusicTimers StartMusic() override;
    void OnMusicFileRepeatTick() override { Mp3Repeat(); }
    bool OnCdPollTick() override;
    void StopMusic(bool cdStillPolled) override;

    // Audio CD: open at start, poll every 200 ms while CdOk(), stop at the end.
    void OpenCd();
    void PollCd();
    void StopCd();
    bool CdOk() const { return cdOk_; }

    // Music file: an MP3 is opened and played, restarted each repeat tick once it has
    // ended, and stopped; a WAV loops by itself in the sound player.
    void PlayMp3();
    void Mp3Repeat();
    void StopMp3();
    void PlayWav();
    void StopWav();

    // Helpers. MciCommand gives 0, -1 for an empty command, or the MCI error code, and sets
    // reply to the reply text or an error text. MciQuery gives the reply, or "Error:" and
    // the code in decimal. MciPlay sends a play command built from its parts.
    int32_t MciCommand(const std::string& command, std::string& reply);
    std::string MciQuery(const std::string& command);
    int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);
    bool Mp3IsPlaying();
    const std::string& MciReply() const { return mciReply_; }

  private:
    // Commands that expect no reply go out with no buffer and size 0.
    int32_t SendWithoutReply(const char* command);

    MusicPlatform& platform_;
    const settings::SettingsRecord& settings_;
    int32_t& lastResult_;

    std::optional<MusicToPlay> chosen_;
    bool cdOk_ = false;
    std::string mciReply_;
    FixedText<512> replyBuffer_;
    FixedText<256> errorBuffer_;
    FixedText<256> modeBuffer_;  // NOTE: only 255 of it is offered to the device
    FixedText<30> mp3ModeBuffer_;
};

}  // namespace music
