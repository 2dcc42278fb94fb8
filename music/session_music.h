// The music of a saver session as the session drives it from its events: started at load,
// kept going by the session's Timer1 (the music-file repeat check, 1000 ms) and Timer2 (the
// CD poll, 200 ms), stopped at the end. Which music, and which timer it needs, is the music
// module's decision (MusicPlayer); the session only says when. Portable.
#pragma once

namespace music {

// The session's music timers that the music started at load needs running.
struct MusicTimers {
    bool timer1 = false;  // an MP3 file: restarted once it has ended
    bool timer2 = false;  // an audio CD: polled
};

class SessionMusic {
  public:
    virtual ~SessionMusic() = default;
    // The load handler: starts the music the settings ask for, after the renderer.
    virtual MusicTimers StartMusic() = 0;
    // A Timer1 tick.
    virtual void OnTimer1() = 0;
    // A Timer2 tick; true while the CD poll should go on (its verdict CdOk).
    virtual bool OnTimer2() = 0;
    // The end of the session: the CD is stopped only while Timer2 still polls it (a poll
    // that gave up leaves it alone), a music file always.
    virtual void StopMusic(bool timer2StillPolls) = 0;
};

}  // namespace music
