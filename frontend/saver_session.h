// The saver session's decisions: which of the hidden saver form's three timers run, when the
// music sleeps with the display, when the session ends, and what its end restores. Portable: the saver form (saver_form_win32) writes
// the texture file, starts the renderer, reports what it observed and carries the decisions
// out. Which music plays is the music module's (music/session_music.h): the session only
// says when.
#pragma once
#include <cstdint>
#include <string>

#include "music/session_music.h"

namespace frontend {

// The saver form's timers, by what they drive.
struct SessionTimers {
    bool musicFileRepeat = false;  // Timer1, 1000 ms: restarts an MP3 that has ended
    bool cdPoll = false;           // Timer2, 200 ms: keeps the audio CD on its track
    bool rendererWatch = true;     // Timer3, 500 ms: looks for the renderer's window; from load
};

// Which of the enabled timers the system refused to set: they will not tick.
struct RefusedTimers {
    bool musicFileRepeat = false;
    bool cdPoll = false;
    bool rendererWatch = false;
};

// What the renderer watch saw of the renderer.
struct RendererSighting {
    bool windowExists = false;  // a top-level window titled "Cirrovance_Tunnel"
    bool processAlive = false;  // the process the session started still runs
};

// What the end of the session restores besides the music.
struct SessionEnding {
    bool showsCursorAgain = false;  // undoes the hiding of a "/s" start
};

class SaverSession {
  public:
    static constexpr uint32_t kMusicFileRepeatIntervalMs = 1000;
    static constexpr uint32_t kCdPollIntervalMs = 200;
    static constexpr uint32_t kRendererWatchIntervalMs = 500;
    // How long the watch waits for a live renderer to show its window for the first time.
    static constexpr uint32_t kFirstWindowGraceMs = 15000;

    explicit SaverSession(music::SessionMusic& music) : music_(music) {}

    // The load handler, once the texture file is written and the renderer started (or not):
    // the music starts, after the renderer, with the timers it needs.
    void Load(bool rendererStarted, uint32_t nowMs);
    void OnMusicFileRepeatTick();
    void OnCdPollTick();
    // True when the session asks for the form to be unloaded: the renderer's window has gone.
    bool OnRendererWatchTick(const RendererSighting& seen, uint32_t nowMs);
    // The display went off or came back (a dimmed display shows). An open audio stream keeps
    // the system from sleeping, so while the display is off the music ends as at the
    // session's end, and when it shows again the music starts again as at the load.
    void OnDisplayShows(bool shows);
    // After the form has set its timers as timers() says; true when the session asks for the
    // form to be unloaded.
    bool OnTimersSet(const RefusedTimers& refused);
    // The query-unload handler, whoever asks: the music stops; the switch letter, read afresh
    // from the command line, says whether the cursor comes back. The program ends after it.
    SessionEnding QueryUnload(const std::wstring& switchLetter);

    const SessionTimers& timers() const { return timers_; }

  private:
    void StartMusic();
    void StopMusic();

    music::SessionMusic& music_;
    SessionTimers timers_;
    bool musicAsleep_ = false;  // ended with the display, to start again with it
    bool rendererStarted_ = false;
    bool rendererWindowSeen_ = false;
    uint32_t loadedAtMs_ = 0;
};

}  // namespace frontend
