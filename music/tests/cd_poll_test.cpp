// The audio-CD operations against a scripted drive: which commands each poll sends, when
// it (re)starts play, and when polling ends.
#include <gtest/gtest.h>

#include "music/music_player.h"
#include "music/tests/scripted_platform.h"

namespace {

using Commands = std::vector<std::string>;

// A drive with a disc of trackCount tracks. It reports its track, count and mode, gives a
// track's start as "TT:00:00:00", and plays on by itself until the test moves it on.
class FakeCdDrive : public ScriptedPlatform {
  public:
    bool hasDisc = true;
    int trackCount = 10;
    int currentTrack = 1;
    std::string mode = "stopped";
    bool modeQueryFails = false;
    std::string currentTrackReply;  // when set, replaces the drive's own answer

    static std::string StartOf(int track) {
        return (track < 10 ? "0" : "") + std::to_string(track) + ":00:00:00";
    }

  protected:
    DeviceAnswer Answer(const std::string& c) override {
        if (c == "open cdaudio" || c == "set cdaudio time format tmsf") return {0, ""};
        if (!hasDisc) return {kErrNotReady, ""};
        if (c == "status cdaudio current track") {
            return {0, currentTrackReply.empty() ? std::to_string(currentTrack)
                                                 : currentTrackReply};
        }
        if (c == "status cdaudio number of tracks") return {0, std::to_string(trackCount)};
        if (c == "status cdaudio mode") {
            return modeQueryFails ? DeviceAnswer{kErrNotReady, ""} : DeviceAnswer{0, mode};
        }
        const std::string positionQuery = "status cdaudio position track ";
        if (c.rfind(positionQuery, 0) == 0) {
            const int track = std::stoi(c.substr(positionQuery.size()));
            if (track < 1 || track > trackCount) return {kErrOutOfRange, ""};
            return {0, StartOf(track)};
        }
        if (c == "play cdaudio") {
            mode = "playing";
            return {0, ""};
        }
        for (int track = 1; track <= trackCount; ++track) {
            if (c == "play cdaudio from " + StartOf(track)) {
                currentTrack = track;
                mode = "playing";
                return {0, ""};
            }
        }
        if (c == "stop cdaudio" || c == "close cdaudio") return {0, ""};
        return {kErrOutOfRange, ""};
    }
};

const Commands kStatusQueries = {"status cdaudio current track",
                                 "status cdaudio number of tracks", "status cdaudio mode"};

Commands StatusThen(const Commands& more) {
    Commands all = kStatusQueries;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

class CdPlayback : public testing::Test {
  protected:
    FakeCdDrive drive;
    settings::SettingsRecord settings{settings::kBgmAudioCd, 0, ""};
    int32_t lastResult = 12345;
    music::MusicPlayer player{drive, settings, lastResult};
};

TEST_F(CdPlayback, WholeDiscStartsOnFirstPollAndIsRestartedWhenFoundStopped) {
    player.OpenCd();
    EXPECT_EQ(drive.TakeSent(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));

    player.PollCd();
    EXPECT_TRUE(player.CdOk());
    EXPECT_EQ(drive.TakeSent(), StatusThen({"play cdaudio"}));

    for (int poll = 0; poll < 3; ++poll) {
        drive.currentTrack += 1;  // plays on through the disc
        player.PollCd();
        EXPECT_TRUE(player.CdOk());
        EXPECT_EQ(drive.TakeSent(), kStatusQueries) << "poll " << poll;
    }

    drive.mode = "stopped";  // the disc has ended
    player.PollCd();
    EXPECT_EQ(drive.TakeSent(), StatusThen({"play cdaudio"}));
}

TEST_F(CdPlayback, ChosenTrackIsPlayedFromTheDevicesOwnPositionText) {
    settings.BgmRepeat = 3;
    player.OpenCd();
    drive.TakeSent();

    player.PollCd();
    EXPECT_TRUE(player.CdOk());
    EXPECT_EQ(drive.TakeSent(), StatusThen({"status cdaudio position track 3",
                                            "play cdaudio from 03:00:00:00"}));
    EXPECT_EQ(drive.currentTrack, 3);

    player.PollCd();  // on track 3 and playing: nothing to do
    EXPECT_EQ(drive.TakeSent(), kStatusQueries);

    drive.currentTrack = 4;  // track 3 has ended, play ran on
    player.PollCd();
    EXPECT_EQ(drive.TakeSent(), StatusThen({"status cdaudio position track 3",
                                            "play cdaudio from 03:00:00:00"}));
    EXPECT_EQ(drive.currentTrack, 3);

    drive.mode = "stopped";  // stopped on the chosen track
    player.PollCd();
    EXPECT_EQ(drive.TakeSent(), StatusThen({"status cdaudio position track 3",
                                            "play cdaudio from 03:00:00:00"}));
    EXPECT_TRUE(player.CdOk());
}

TEST_F(CdPlayback, RepeatBeyondTheDiscFailsSilentlyEveryPollWhileTheDiscPlaysOn) {
    settings.BgmRepeat = 12;
    drive.mode = "playing";
    drive.currentTrack = 5;
    for (int poll = 0; poll < 3; ++poll) {
        player.PollCd();
        EXPECT_TRUE(player.CdOk());
        EXPECT_EQ(drive.TakeSent(), StatusThen({"status cdaudio position track 12",
                                                "play cdaudio from Error:282"}));
        EXPECT_EQ(drive.currentTrack, 5);
        EXPECT_EQ(drive.mode, "playing");
    }
}

TEST_F(CdPlayback, EmptyDriveEndsPollingAtTheFirstPoll) {
    drive.hasDisc = false;
    player.OpenCd();
    drive.TakeSent();
    player.PollCd();
    EXPECT_FALSE(player.CdOk());
    EXPECT_EQ(drive.TakeSent(), (Commands{"status cdaudio current track"}));
    EXPECT_EQ(lastResult, int32_t(kErrNotReady));
}

struct BadTrackCase {
    int16_t repeat;
    const char* currentTrackReply;
    bool cdOk;
};
class CurrentTrackReplies : public testing::TestWithParam<BadTrackCase> {};

// Only a chosen track needs the current track as a number; an "err" in any case ends
// polling either way.
TEST_P(CurrentTrackReplies, DecideWhetherPollingGoesOn) {
    FakeCdDrive drive;
    drive.mode = "playing";
    drive.currentTrackReply = GetParam().currentTrackReply;
    settings::SettingsRecord settings{settings::kBgmAudioCd, GetParam().repeat, ""};
    int32_t lastResult = 0;
    music::MusicPlayer player(drive, settings, lastResult);
    player.PollCd();
    EXPECT_EQ(player.CdOk(), GetParam().cdOk);
    if (!player.CdOk()) {
        for (const auto& sent : drive.sent) {
            EXPECT_EQ(sent.command.rfind("play", 0), std::string::npos) << sent.command;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(All, CurrentTrackReplies,
                         testing::Values(BadTrackCase{0, "two", true},
                                         BadTrackCase{3, "two", false},
                                         BadTrackCase{3, " 3 ", true},
                                         BadTrackCase{0, "terror", false},
                                         BadTrackCase{3, "Err", false}));

TEST_F(CdPlayback, ModeIsReadFrom255OfItsBufferAndAFailedQueryKeepsTheLastMode) {
    drive.mode = "playing";
    player.PollCd();
    ASSERT_EQ(drive.sent.size(), 3u);
    EXPECT_TRUE(drive.sent[2].hasBuffer);
    EXPECT_EQ(drive.sent[2].size, 255u);
    drive.TakeSent();

    drive.mode = "stopped";
    drive.modeQueryFails = true;  // the earlier "playing" still stands
    player.PollCd();
    EXPECT_EQ(drive.TakeSent(), kStatusQueries);
    EXPECT_EQ(lastResult, int32_t(kErrNotReady));
}

TEST_F(CdPlayback, OpenAndStopStoreEachResult) {
    drive.hasDisc = false;
    player.OpenCd();
    EXPECT_EQ(lastResult, 0);
    for (const auto& sent : drive.sent) {
        EXPECT_FALSE(sent.hasBuffer);
        EXPECT_EQ(sent.size, 0u);
    }
    player.StopCd();
    EXPECT_EQ(drive.TakeSent(), (Commands{"open cdaudio", "set cdaudio time format tmsf",
                                          "stop cdaudio", "close cdaudio"}));
    EXPECT_EQ(lastResult, int32_t(kErrNotReady));
}

}  // namespace
