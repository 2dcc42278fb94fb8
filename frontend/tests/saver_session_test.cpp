// The saver session's order of work and its timers, driven through recording fakes. Which
// music plays for which settings is the music module's (music/tests/session_music_test.cpp).
#include "frontend/saver_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// The music module as the session sees it: it answers with the timers its music needs.
class FakeMusic : public music::SessionMusic {
  public:
    explicit FakeMusic(Log& log) : log_(log) {}
    music::MusicTimers StartMusic() override {
        log_.push_back("StartMusic");
        return timers;
    }
    void OnTimer1() override { log_.push_back("Timer1"); }
    bool OnTimer2() override {
        log_.push_back("Timer2");
        return cdOk;
    }
    void StopMusic(bool timer2StillPolls) override {
        log_.push_back(timer2StillPolls ? "StopMusic with CD" : "StopMusic");
    }
    music::MusicTimers timers;
    bool cdOk = true;

  private:
    Log& log_;
};

class FakePlatform : public frontend::SessionPlatform {
  public:
    explicit FakePlatform(Log& log) : log_(log) {}
    void WriteTextureFile(const std::string& path) override { log_.push_back("Write " + path); }
    bool StartRenderer(const std::string& path) override {
        log_.push_back("Start " + path);
        return rendererStarts;
    }
    bool RendererWindowExists() override { return windowExists; }
    bool RendererProcessAlive() override { return processAlive; }
    std::string SwitchLetter() override { return switchLetter; }
    void ShowCursorAgain() override { log_.push_back("ShowCursorAgain"); }
    void EndProgram() override { log_.push_back("End"); }

    bool rendererStarts = true;
    bool windowExists = false;
    bool processAlive = true;
    std::string switchLetter = "S";

  private:
    Log& log_;
};

// The timers the music asks for: none (no music, a WAV), Timer1 (an MP3), Timer2 (a CD).
constexpr music::MusicTimers kNoMusicTimer{false, false};
constexpr music::MusicTimers kMp3Timer{true, false};
constexpr music::MusicTimers kCdTimer{false, true};

struct Session {
    explicit Session(music::MusicTimers musicTimers = kNoMusicTimer) : platform(log), music(log), session(platform, music) {
        music.timers = musicTimers;
    }
    Log log;
    FakePlatform platform;
    FakeMusic music;
    frontend::SaverSession session;
};

class SessionStart : public testing::TestWithParam<music::MusicTimers> {};

TEST_P(SessionStart, WritesTextureThenStartsRendererThenMusicWithTheTimersItAsksFor) {
    Session s(GetParam());
    s.session.Load("C:\\Saver", 0);
    EXPECT_EQ(s.log, (Log{"Write C:\\q_vosk\\Cirrovance.bmp", "Start C:\\Saver\\Vaporquill.dll", "StartMusic"}));
    EXPECT_EQ(s.session.timers().timer1Enabled, GetParam().timer1);
    EXPECT_EQ(s.session.timers().timer2Enabled, GetParam().timer2);
    EXPECT_TRUE(s.session.timers().timer3Enabled);
}

INSTANTIATE_TEST_SUITE_P(ByMusic, SessionStart, testing::Values(kNoMusicTimer, kMp3Timer, kCdTimer));

TEST(SessionTimers, FailedCdPollStopsPollingAndTheEndSendsNoCdStop) {
    Session s(kCdTimer);
    s.session.Load("C:\\Saver", 0);
    s.session.OnTimer2();
    EXPECT_TRUE(s.session.timers().timer2Enabled);
    s.music.cdOk = false;
    s.session.OnTimer2();
    EXPECT_FALSE(s.session.timers().timer2Enabled);
    s.log.clear();
    s.session.QueryUnload();
    EXPECT_EQ(s.log, (Log{"StopMusic", "ShowCursorAgain", "End"}));
}

TEST(SessionTimers, Timer1KeepsTheMp3Going) {
    Session s(kMp3Timer);
    s.session.Load("C:\\Saver", 0);
    s.log.clear();
    s.session.OnTimer1();
    EXPECT_EQ(s.log, Log{"Timer1"});
}

struct EndCase {
    music::MusicTimers music;
    const char* switchLetter;
    Log expected;
};

class SessionEnd : public testing::TestWithParam<EndCase> {};

TEST_P(SessionEnd, StopsMusicRestoresCursorOnlyForSaverSwitchThenEnds) {
    const EndCase& c = GetParam();
    Session s(c.music);
    s.platform.switchLetter = c.switchLetter;
    s.session.Load("C:\\Saver", 0);
    s.log.clear();
    s.session.QueryUnload();
    EXPECT_EQ(s.log, c.expected);
    EXPECT_FALSE(s.session.timers().timer1Enabled);
    EXPECT_FALSE(s.session.timers().timer2Enabled);
}

INSTANTIATE_TEST_SUITE_P(
    ByMusicAndCommandLine, SessionEnd,
    testing::Values(EndCase{kCdTimer, "S", {"StopMusic with CD", "ShowCursorAgain", "End"}},
                    EndCase{kMp3Timer, "S", {"StopMusic", "ShowCursorAgain", "End"}},
                    EndCase{kMp3Timer, "", {"StopMusic", "End"}},  // empty command line
                    EndCase{kNoMusicTimer, "", {"StopMusic", "End"}}));

TEST(RendererWatch, EndsOnceTheSeenWindowHasGone) {
    Session s;
    s.session.Load("C:\\Saver", 0);
    s.platform.windowExists = true;
    EXPECT_FALSE(s.session.OnTimer3(500));
    EXPECT_TRUE(s.session.timers().timer3Enabled);
    s.platform.windowExists = false;
    EXPECT_TRUE(s.session.OnTimer3(1000));
    EXPECT_FALSE(s.session.timers().timer3Enabled);
}

TEST(RendererWatch, WaitsForASlowRendererThatIsStillAlive) {
    Session s;
    s.session.Load("C:\\Saver", 1000);
    for (uint32_t t = 1500; t < 4000; t += 500) EXPECT_FALSE(s.session.OnTimer3(t)) << t;
    s.platform.windowExists = true;  // the window appears after 3 s
    EXPECT_FALSE(s.session.OnTimer3(4000));
    // From now on the watch is strict: the window gone means the end, process or not.
    s.platform.windowExists = false;
    EXPECT_TRUE(s.session.OnTimer3(4500));
}

TEST(RendererWatch, EndsWhenTheRendererDiesWithoutAWindow) {
    Session s;
    s.session.Load("C:\\Saver", 0);
    EXPECT_FALSE(s.session.OnTimer3(500));
    s.platform.processAlive = false;
    EXPECT_TRUE(s.session.OnTimer3(1000));
}

TEST(RendererWatch, EndsAtTheFirstTickWhenTheRendererNeverStarted) {
    Session s;
    s.platform.rendererStarts = false;
    s.session.Load("C:\\Saver", 0);
    EXPECT_TRUE(s.session.OnTimer3(500));
}

TEST(RendererWatch, GivesUpOnAWindowThatNeverComesAfterTheBound) {
    Session s;
    const uint32_t loadedAt = 0xFFFFF000u;  // the tick count wraps during the wait
    s.session.Load("C:\\Saver", loadedAt);
    uint32_t waitedMs = 0;
    while (waitedMs < 60000 && !s.session.OnTimer3(loadedAt + waitedMs + 500)) waitedMs += 500;
    EXPECT_EQ(waitedMs + 500, frontend::SaverSession::kFirstWindowGraceMs);
}

// A watch the system refuses to set ends the session the way a renderer that cannot be
// started does: the music stops, the cursor returns, the program ends. A refused music timer
// leaves the session running.
struct RefusedCase {
    const char* name;
    frontend::RefusedTimers refused;
    bool ends;
};

class RefusedTimer : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTimer, EndsTheSessionOnlyForTheWatch) {
    Session refused(kMp3Timer);
    refused.session.Load("C:\\Saver", 0);
    refused.log.clear();
    EXPECT_EQ(refused.session.OnTimersSet(GetParam().refused), GetParam().ends);
    EXPECT_EQ(refused.session.timers().timer3Enabled, !GetParam().ends);
    if (!GetParam().ends) return;
    refused.session.QueryUnload();

    Session failedStart(kMp3Timer);
    failedStart.platform.rendererStarts = false;
    failedStart.session.Load("C:\\Saver", 0);
    failedStart.log.clear();
    ASSERT_TRUE(failedStart.session.OnTimer3(500));
    failedStart.session.QueryUnload();
    EXPECT_EQ(refused.log, failedStart.log);
    EXPECT_EQ(refused.log, (Log{"StopMusic", "ShowCursorAgain", "End"}));
}

INSTANTIATE_TEST_SUITE_P(Timers, RefusedTimer, testing::Values(
    RefusedCase{"Watch", {false, false, true}, true},
    RefusedCase{"Mp3Repeat", {true, false, false}, false},
    RefusedCase{"CdPoll", {false, true, false}, false},
    RefusedCase{"None", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
