// The music of a saver session as the session drives it from its events: started at load,
// kept going by the session's music-file repeat check (every 1000 ms) and CD poll (every
// 200 ms), stopped at the end; stopped too while the display is off, and started again when
// it shows. Which music, and which of the two it needs, is the music
// module's decision (MusicPlayer), made once per session; the session only says when.
// Portable.
#pragma once

namespace music {

// What the music started at load needs kept going by the session's timers.
struct MusicTimers {
    bool repeatsMusicFile = false;  // an MP3 file: restarted once it has ended
    bool pollsCd = false;           // an audio CD: polled
};

class SessionMusic {
  public:
    virtual ~SessionMusic() = default;
    // The load handler (and the display showing again after a stop): starts the music the
    // settings ask for, from its beginning.
    virtual MusicTimers StartMusic() = 0;
    // A tick of the music-file repeat check.
    virtual void OnMusicFileRepeatTick() = 0;
    // A tick of the CD poll; true while the poll should go on (its verdict CdOk).
    virtual bool OnCdPollTick() = 0;
    // The end of the session (or the display going off): the CD is stopped only while its
    // poll still runs (a poll that gave up leaves it alone), a music file always.
    virtual void StopMusic(bool cdStillPolled) = 0;
};

}  // namespace music
