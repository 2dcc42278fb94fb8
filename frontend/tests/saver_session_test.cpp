// The saver session's decisions: the timers its music asks for, the renderer watch, the
// refused timers and what the end restores. Which music plays for which settings is the
// music module's (music/tests/session_music_test.cpp).
#include "frontend/saver_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// The music module as the session sees it: it answers with the timers its music needs.
class FakeMusic : public music::SessionMusic {
  public:
    music::MusicTimers StartMusic() override {
        log.push_back("StartMusic");
        return timers;
    }
    void OnMusicFileRepeatTick() override { log.push_back("Repeat"); }
    bool OnCdPollTick() override {
        log.push_back("Poll");
        return cdOk;
    }
    void StopMusic(bool cdStillPolled) override { log.push_back(cdStillPolled ? "StopMusic with CD" : "StopMusic"); }

    music::MusicTimers timers;
    bool cdOk = true;
    Log log;
};

// The timers the music asks for: none (no music, a WAV), the repeat (an MP3), the poll (a CD).
constexpr music::MusicTimers kNoMusicTimer{false, false};
constexpr music::MusicTimers kMp3Timer{true, false};
constexpr music::MusicTimers kCdTimer{false, true};

constexpr frontend::RendererSighting kWindowShown{true, true};
constexpr frontend::RendererSighting kStarting{false, true};
constexpr frontend::RendererSighting kGone{false, false};

struct Session {
    explicit Session(music::MusicTimers musicTimers = kNoMusicTimer, bool rendererStarted = true,
                     uint32_t loadedAtMs = 0) {
        music.timers = musicTimers;
        session.Load(rendererStarted, loadedAtMs);
    }
    FakeMusic music;
    frontend::SaverSession session{music};
};

class SessionStart : public testing::TestWithParam<music::MusicTimers> {};

TEST_P(SessionStart, RunsTheTimersItsMusicAsksForAndTheWatch) {
    Session s(GetParam());
    EXPECT_EQ(s.music.log, Log{"StartMusic"});
    EXPECT_EQ(s.session.timers().musicFileRepeat, GetParam().repeatsMusicFile);
    EXPECT_EQ(s.session.timers().cdPoll, GetParam().pollsCd);
    EXPECT_TRUE(s.session.timers().rendererWatch);
}

INSTANTIATE_TEST_SUITE_P(ByMusic, SessionStart, testing::Values(kNoMusicTimer, kMp3Timer, kCdTimer));

TEST(SessionTimers, AFailedCdPollStopsPollingAndTheEndSendsNoCdStop) {
    Session s(kCdTimer);
    s.session.OnCdPollTick();
    EXPECT_TRUE(s.session.timers().cdPoll);
    s.music.cdOk = false;
    s.session.OnCdPollTick();
    EXPECT_FALSE(s.session.timers().cdPoll);
    s.music.log.clear();
    s.session.QueryUnload(L"S");
    EXPECT_EQ(s.music.log, Log{"StopMusic"});
}

struct EndCase {
    music::MusicTimers music;
    const wchar_t* switchLetter;
    const char* stop;
    bool showsCursor;
};

class SessionEnd : public testing::TestWithParam<EndCase> {};

TEST_P(SessionEnd, StopsTheMusicAndRestoresTheCursorOnlyForTheSaverSwitch) {
    const EndCase& c = GetParam();
    Session s(c.music);
    s.music.log.clear();
    EXPECT_EQ(s.session.QueryUnload(c.switchLetter).showsCursorAgain, c.showsCursor);
    EXPECT_EQ(s.music.log, Log{c.stop});
    EXPECT_FALSE(s.session.timers().musicFileRepeat);
    EXPECT_FALSE(s.session.timers().cdPoll);
}

INSTANTIATE_TEST_SUITE_P(ByMusicAndCommandLine, SessionEnd, testing::Values(
    EndCase{kCdTimer, L"S", "StopMusic with CD", true},
    EndCase{kMp3Timer, L"S", "StopMusic", true},
    EndCase{kMp3Timer, L"", "StopMusic", false},  // an empty command line
    EndCase{kNoMusicTimer, L"C", "StopMusic", false}));

// The music with the display: each row is a run of events after the load and what the music
// heard, with the timers running at the end of the run.
struct DisplayCase {
    const char* name;
    music::MusicTimers music;
    std::vector<std::string> events;  // "off", "on", "poll fails", "end"
    Log heard;
    bool repeatRuns;
    bool pollRuns;
};

class MusicWithTheDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(MusicWithTheDisplay, SleepsAsTheEndDoesAndWakesAsTheLoadDoes) {
    const DisplayCase& c = GetParam();
    Session s(c.music);
    s.music.log.clear();
    for (const std::string& event : c.events) {
        if (event == "off") s.session.OnDisplayShows(false);
        if (event == "on") s.session.OnDisplayShows(true);
        if (event == "end") s.session.QueryUnload(L"S");
        if (event == "poll fails") {
            s.music.cdOk = false;
            s.session.OnCdPollTick();
            s.music.cdOk = true;
            s.music.log.pop_back();
        }
    }
    EXPECT_EQ(s.music.log, c.heard);
    EXPECT_EQ(s.session.timers().musicFileRepeat, c.repeatRuns);
    EXPECT_EQ(s.session.timers().cdPoll, c.pollRuns);
}

INSTANTIATE_TEST_SUITE_P(Runs, MusicWithTheDisplay, testing::Values(
    DisplayCase{"Mp3OffAndOn", kMp3Timer, {"off", "on"}, {"StopMusic", "StartMusic"}, true, false},
    DisplayCase{"CdOffAndOn", kCdTimer, {"off", "on"}, {"StopMusic with CD", "StartMusic"}, false, true},
    DisplayCase{"AGivenUpPollIsNotStopped", kCdTimer, {"poll fails", "off", "on"}, {"StopMusic", "StartMusic"}, false, true},
    DisplayCase{"OffTwiceStopsOnce", kMp3Timer, {"off", "off"}, {"StopMusic"}, false, false},
    DisplayCase{"OnWhileShowingChangesNothing", kMp3Timer, {"on"}, {}, true, false},
    DisplayCase{"AnEndInTheDarkHasNothingToStop", kCdTimer, {"off", "end"}, {"StopMusic with CD"}, false, false},
    DisplayCase{"AnEndAfterWakingStopsAsEver", kMp3Timer, {"off", "on", "end"}, {"StopMusic", "StartMusic", "StopMusic"},
                false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The watch over time: each row is the renderer as seen at successive ticks, 500 ms apart
// from the load, and the tick at which the session ends (0: it does not within the rows).
struct WatchCase {
    const char* name;
    bool rendererStarted;
    std::vector<frontend::RendererSighting> ticks;
    size_t endsAtTick;
};

class RendererWatch : public testing::TestWithParam<WatchCase> {};

TEST_P(RendererWatch, EndsTheSessionOnlyOnceTheRendererHasGone) {
    const WatchCase& c = GetParam();
    Session s(kNoMusicTimer, c.rendererStarted, 1000);
    size_t endedAt = 0;
    for (size_t tick = 1; tick <= c.ticks.size() && endedAt == 0; ++tick) {
        if (s.session.OnRendererWatchTick(c.ticks[tick - 1], 1000 + 500 * static_cast<uint32_t>(tick))) endedAt = tick;
    }
    EXPECT_EQ(endedAt, c.endsAtTick);
    EXPECT_EQ(s.session.timers().rendererWatch, endedAt == 0);
}

INSTANTIATE_TEST_SUITE_P(Renderers, RendererWatch, testing::Values(
    WatchCase{"SeenThenGone", true, {kWindowShown, kGone}, 2},
    // A slow renderer that is still alive is waited for; once seen, the watch is strict.
    WatchCase{"SlowButAlive", true, {kStarting, kStarting, kStarting, kStarting, kWindowShown, kStarting}, 6},
    WatchCase{"DiesWithoutAWindow", true, {kStarting, kGone}, 2},
    WatchCase{"NeverStarted", false, {kStarting}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RendererWatch, GivesUpOnAWindowThatNeverComesAfterTheBoundAcrossATickWrap) {
    const uint32_t loadedAt = 0xFFFFF000u;  // the tick count wraps during the wait
    Session s(kNoMusicTimer, true, loadedAt);
    uint32_t waitedMs = 500;
    while (waitedMs < 60000 && !s.session.OnRendererWatchTick(kStarting, loadedAt + waitedMs)) waitedMs += 500;
    EXPECT_EQ(waitedMs, frontend::SaverSession::kFirstWindowGraceMs);
}

// A watch the system refuses to set ends the session as a renderer that cannot be started
// does; a refused music timer leaves the session running.
struct RefusedCase {
    const char* name;
    frontend::RefusedTimers refused;
    bool ends;
};

class RefusedTimer : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTimer, EndsTheSessionOnlyForTheWatch) {
    Session s(kMp3Timer);
    EXPECT_EQ(s.session.OnTimersSet(GetParam().refused), GetParam().ends);
    EXPECT_EQ(s.session.timers().rendererWatch, !GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(Timers, RefusedTimer, testing::Values(
    RefusedCase{"Watch", {false, false, true}, true},
    RefusedCase{"MusicFileRepeat", {true, false, false}, false},
    RefusedCase{"CdPoll", {false, true, false}, false},
    RefusedCase{"None", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
