// The saver session's order of work and its timers, driven through recording fakes.
#include "frontend/saver_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class FakeMusic : public SessionMusic {
  public:
    explicit FakeMusic(Log& log) : log_(log) {}
    void OpenCd() override { log_.push_back("OpenCd"); }
    void PollCd() override { log_.push_back("PollCd"); }
    bool CdOk() const override { return cdOk; }
    void StopCd() override { log_.push_back("StopCd"); }
    void PlayWav() override { log_.push_back("PlayWav"); }
    void StopWav() override { log_.push_back("StopWav"); }
    void PlayMp3() override { log_.push_back("PlayMp3"); }
    void Mp3Repeat() override { log_.push_back("Mp3Repeat"); }
    void StopMp3() override { log_.push_back("StopMp3"); }
    bool cdOk = true;

  private:
    Log& log_;
};

class FakePlatform : public SessionPlatform {
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
    // Code page 932: these bytes begin a two-byte character.
    bool IsLeadByte(unsigned char byte) override {
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    }
    void ShowCursorAgain() override { log_.push_back("ShowCursorAgain"); }
    void EndProgram() override { log_.push_back("End"); }

    bool rendererStarts = true;
    bool windowExists = false;
    bool processAlive = true;
    std::string switchLetter = "S";

  private:
    Log& log_;
};

struct Session {
    explicit Session(int16_t kind, std::string file = "", int16_t repeat = 0)
        : platform(log), music(log), session(platform, music, settings) {
        settings.BgmKind = kind;
        settings.BgmFile = std::move(file);
        settings.BgmRepeat = repeat;
    }
    Log log;
    SettingsRecord settings;
    FakePlatform platform;
    FakeMusic music;
    SaverSession session;
};

struct StartCase {
    int16_t kind;
    const char* file;
    const char* musicCall;  // nullptr: no music
    bool timer1;
    bool timer2;
};

class SessionStart : public testing::TestWithParam<StartCase> {};

TEST_P(SessionStart, WritesTextureThenStartsRendererThenMusic) {
    const StartCase& c = GetParam();
    Session s(c.kind, c.file);
    s.session.Load("C:\\Saver", 0);
    Log expected = {"Write C:\\q_vosk\\Cirrovance.bmp", "Start C:\\Saver\\Vaporquill.dll"};
    if (c.musicCall) expected.push_back(c.musicCall);
    EXPECT_EQ(s.log, expected);
    EXPECT_EQ(s.session.timers().timer1Enabled, c.timer1);
    EXPECT_EQ(s.session.timers().timer2Enabled, c.timer2);
    EXPECT_TRUE(s.session.timers().timer3Enabled);
}

INSTANTIATE_TEST_SUITE_P(
    MusicByKindAndEnding, SessionStart,
    testing::Values(StartCase{0, "C:\\m\\a.mp3", nullptr, false, false},
                    StartCase{1, "", "OpenCd", false, true},
                    StartCase{2, "C:\\m\\a.mp3", "PlayMp3", true, false},
                    StartCase{2, "C:\\m\\A.Mp3", "PlayMp3", true, false},
                    StartCase{2, "C:\\m\\a.wav", "PlayWav", false, false},
                    StartCase{2, "C:\\m\\a.mp4", nullptr, false, false},
                    StartCase{2, "", nullptr, false, false},
                    StartCase{2, "p3", nullptr, false, false},
                    // Endings are characters: "駅av" and "確p3" end in no music type, though
                    // their last three bytes read "wav" and "mp3".
                    StartCase{2, "C:\\m\\\x89\x77" "av", nullptr, false, false},
                    StartCase{2, "C:\\m\\\x8A\x6D" "p3", nullptr, false, false},
                    StartCase{2, "C:\\\x89\x77\\a.wav", "PlayWav", false, false},
                    StartCase{7, "C:\\m\\a.mp3", nullptr, false, false},
                    StartCase{-1, "C:\\m\\a.wav", nullptr, false, false}));

TEST(SessionTimers, FailedCdPollStopsPollingAndTheEndSendsNoCdStop) {
    Session s(1);
    s.session.Load("C:\\Saver", 0);
    s.session.OnTimer2();
    EXPECT_TRUE(s.session.timers().timer2Enabled);
    s.music.cdOk = false;
    s.session.OnTimer2();
    EXPECT_FALSE(s.session.timers().timer2Enabled);
    s.log.clear();
    s.session.QueryUnload();
    EXPECT_EQ(s.log, (Log{"ShowCursorAgain", "End"}));
}

TEST(SessionTimers, Timer1KeepsTheMp3Going) {
    Session s(2, "C:\\m\\a.mp3");
    s.session.Load("C:\\Saver", 0);
    s.log.clear();
    s.session.OnTimer1();
    EXPECT_EQ(s.log, Log{"Mp3Repeat"});
}

struct EndCase {
    int16_t kind;
    const char* file;
    const char* switchLetter;
    Log expected;
};

class SessionEnd : public testing::TestWithParam<EndCase> {};

TEST_P(SessionEnd, StopsMusicRestoresCursorOnlyForSaverSwitchThenEnds) {
    const EndCase& c = GetParam();
    Session s(c.kind, c.file);
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
    testing::Values(EndCase{1, "", "S", {"StopCd", "ShowCursorAgain", "End"}},
                    EndCase{2, "C:\\a.WAV", "S", {"StopWav", "ShowCursorAgain", "End"}},
                    EndCase{2, "C:\\a.mp3", "S", {"StopMp3", "ShowCursorAgain", "End"}},
                    EndCase{2, "C:\\a.mp3", "", {"StopMp3", "End"}},  // empty command line
                    EndCase{2, "C:\\a.ogg", "S", {"ShowCursorAgain", "End"}},
                    EndCase{0, "", "", {"End"}}));

TEST(RendererWatch, EndsOnceTheSeenWindowHasGone) {
    Session s(0);
    s.session.Load("C:\\Saver", 0);
    s.platform.windowExists = true;
    EXPECT_FALSE(s.session.OnTimer3(500));
    EXPECT_TRUE(s.session.timers().timer3Enabled);
    s.platform.windowExists = false;
    EXPECT_TRUE(s.session.OnTimer3(1000));
    EXPECT_FALSE(s.session.timers().timer3Enabled);
}

TEST(RendererWatch, WaitsForASlowRendererThatIsStillAlive) {
    Session s(0);
    s.session.Load("C:\\Saver", 1000);
    for (uint32_t t = 1500; t < 4000; t += 500) EXPECT_FALSE(s.session.OnTimer3(t)) << t;
    s.platform.windowExists = true;  // the window appears after 3 s
    EXPECT_FALSE(s.session.OnTimer3(4000));
    // From now on the watch is strict: the window gone means the end, process or not.
    s.platform.windowExists = false;
    EXPECT_TRUE(s.session.OnTimer3(4500));
}

TEST(RendererWatch, EndsWhenTheRendererDiesWithoutAWindow) {
    Session s(0);
    s.session.Load("C:\\Saver", 0);
    EXPECT_FALSE(s.session.OnTimer3(500));
    s.platform.processAlive = false;
    EXPECT_TRUE(s.session.OnTimer3(1000));
}

TEST(RendererWatch, EndsAtTheFirstTickWhenTheRendererNeverStarted) {
    Session s(0);
    s.platform.rendererStarts = false;
    s.session.Load("C:\\Saver", 0);
    EXPECT_TRUE(s.session.OnTimer3(500));
}

TEST(RendererWatch, GivesUpOnAWindowThatNeverComesAfterTheBound) {
    Session s(0);
    const uint32_t loadedAt = 0xFFFFF000u;  // the tick count wraps during the wait
    s.session.Load("C:\\Saver", loadedAt);
    uint32_t waitedMs = 0;
    while (waitedMs < 60000 && !s.session.OnTimer3(loadedAt + waitedMs + 500)) waitedMs += 500;
    EXPECT_EQ(waitedMs + 500, SaverSession::kFirstWindowGraceMs);
}

// A watch the system refuses to set ends the session the way a renderer that cannot be
// started does: the music stops, the cursor returns, the program ends. A refused music timer
// leaves the session running.
struct RefusedCase {
    const char* name;
    RefusedTimers refused;
    bool ends;
};

class RefusedTimer : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTimer, EndsTheSessionOnlyForTheWatch) {
    Session refused(2, "C:\\m\\a.mp3");
    refused.session.Load("C:\\Saver", 0);
    refused.log.clear();
    EXPECT_EQ(refused.session.OnTimersSet(GetParam().refused), GetParam().ends);
    EXPECT_EQ(refused.session.timers().timer3Enabled, !GetParam().ends);
    if (!GetParam().ends) return;
    refused.session.QueryUnload();

    Session failedStart(2, "C:\\m\\a.mp3");
    failedStart.platform.rendererStarts = false;
    failedStart.session.Load("C:\\Saver", 0);
    failedStart.log.clear();
    ASSERT_TRUE(failedStart.session.OnTimer3(500));
    failedStart.session.QueryUnload();
    EXPECT_EQ(refused.log, failedStart.log);
    EXPECT_EQ(refused.log, (Log{"StopMp3", "ShowCursorAgain", "End"}));
}

INSTANTIATE_TEST_SUITE_P(Timers, RefusedTimer, testing::Values(
    RefusedCase{"Watch", {false, false, true}, true},
    RefusedCase{"Mp3Repeat", {true, false, false}, false},
    RefusedCase{"CdPoll", {false, true, false}, false},
    RefusedCase{"None", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
