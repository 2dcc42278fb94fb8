// The saver session's decisions: what the hidden saver form does at load, on each of its
// three timers and at the end. Portable: it never calls the platform itself; the saver
// form (saver_form_win32) reports what it observed and carries out the calls through
// SessionPlatform below. Which music plays is the music module's (music/session_music.h):
// the session only says when.
#pragma once
#include <cstdint>
#include <string>

#include "music/session_music.h"

namespace frontend {

// What the session needs of the platform besides music.
class SessionPlatform {
  public:
    virtual ~SessionPlatform() = default;
    // Writes the cloud picture as the texture bitmap, replacing an earlier file.
    virtual void WriteTextureFile(const std::string& path) = 0;
    // Starts the renderer (the whole command line is its path), shown and activated, and
    // keeps its process so that RendererProcessAlive can answer; false when it did not start.
    virtual bool StartRenderer(const std::string& path) = 0;
    virtual bool RendererWindowExists() = 0;
    virtual bool RendererProcessAlive() = 0;
    virtual std::string SwitchLetter() = 0;  // read afresh from the command line
    // Undoes the start-up's hiding: raises the cursor display counter by one.
    virtual void ShowCursorAgain() = 0;
    virtual void EndProgram() = 0;           // immediate termination: nothing runs after it
};

struct SaverTimers {
    bool timer1Enabled = false;  // music-file repeat check, 1000 ms
    bool timer2Enabled = false;  // audio-CD poll, 200 ms
    bool timer3Enabled = true;   // renderer watch, 500 ms, running from load
};

// Which of the enabled timers the system refused to set: they will not tick.
struct RefusedTimers {
    bool timer1 = false;
    bool timer2 = false;
    bool timer3 = false;
};

class SaverSession {
  public:
    static constexpr uint32_t kTimer1IntervalMs = 1000;
    static constexpr uint32_t kTimer2IntervalMs = 200;
    static constexpr uint32_t kTimer3IntervalMs = 500;
    // How long the watch waits for a live renderer to show its window for the first time.
    static constexpr uint32_t kFirstWindowGraceMs = 15000;

    SaverSession(SessionPlatform& platform, music::SessionMusic& music);

    // The load handler; programFolder is the front end's own folder, without a trailing "\".
    void Load(const std::string& programFolder, uint32_t nowMs);
    void OnTimer1();
    void OnTimer2();
    // The renderer watch; true when the session asks for the form to be unloaded.
    bool OnTimer3(uint32_t nowMs);
    // After the form has set its timers as timers() says; true when the session asks for the
    // form to be unloaded.
    bool OnTimersSet(const RefusedTimers& refused);
    // The query-unload handler: stops the music, restores the cursor, ends the program.
    void QueryUnload();

    const SaverTimers& timers() const { return timers_; }

  private:
    SessionPlatform& platform_;
    music::SessionMusic& music_;
    SaverTimers timers_;
    std::string rendererPath_;
    bool rendererStarted_ = false;
    bool rendererWindowSeen_ = false;
    uint32_t loadedAtMs_ = 0;
};

}  // namespace frontend
