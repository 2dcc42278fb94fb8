// Which music a saver session plays for the settings record, and what its start and end send
// to the platform: the kind, the file name's ending (characters, not bytes), and the session
// timers the music needs.
#include <gtest/gtest.h>

#include <utility>

#include "music/music_player.h"
#include "music/tests/scripted_platform.h"

namespace {

using Commands = std::vector<std::string>;
using Sounds = std::vector<std::pair<std::string, uint32_t>>;

// Every device opens and answers; only what is sent counts here.
class AnyDevice : public ScriptedPlatform {
  protected:
    DeviceAnswer Answer(const std::string&) override { return {0, ""}; }
};

// What each music operation leaves behind at the platform, for the file of the case.
struct Sent {
    Commands commands;
    Sounds sounds;
    bool operator==(const Sent& o) const { return commands == o.commands && sounds == o.sounds; }
};

Sent SentBy(const std::string& operation, const std::string& file) {
    if (operation == "OpenCd") return {{"open cdaudio", "set cdaudio time format tmsf"}, {}};
    if (operation == "StopCd") return {{"stop cdaudio", "close cdaudio"}, {}};
    if (operation == "PlayMp3") return {{"open \"" + file + "\" type MPEGVideo Alias MP3Play", "play MP3Play"}, {}};
    if (operation == "StopMp3") return {{"stop MP3Play", "close MP3Play"}, {}};
    if (operation == "PlayWav") return {{}, {{file, music::MusicPlayer::kWavLoopFlags}}};
    if (operation == "StopWav") return {{}, {{"<none>", 0}}};
    return {};
}

struct Player {
    Player(int16_t kind, const char* file) : settings{kind, 0, file} { device.waveDevices = 1; }
    Sent Take() { return {device.TakeSent(), std::exchange(device.sounds, {})}; }
    AnyDevice device;
    settings::SettingsRecord settings;
    int32_t lastResult = 0;
    music::MusicPlayer player{device, settings, lastResult};
};

struct StartCase {
    int16_t kind;
    const char* file;
    const char* operation;  // nullptr: no music
    bool repeatsMusicFile;
    bool pollsCd;
};

class MusicStart : public testing::TestWithParam<StartCase> {};

TEST_P(MusicStart, ByKindAndEndingAsksForItsTimer) {
    const StartCase& c = GetParam();
    Player p(c.kind, c.file);
    const music::MusicTimers timers = p.player.StartMusic();
    EXPECT_EQ(p.Take(), SentBy(c.operation ? c.operation : "", c.file));
    EXPECT_EQ(timers.repeatsMusicFile, c.repeatsMusicFile);
    EXPECT_EQ(timers.pollsCd, c.pollsCd);
}

INSTANTIATE_TEST_SUITE_P(
    MusicByKindAndEnding, MusicStart,
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

struct EndCase {
    int16_t kind;
    const char* file;
    bool cdStillPolled;
    const char* operation;  // nullptr: nothing to stop
};

class MusicEnd : public testing::TestWithParam<EndCase> {};

TEST_P(MusicEnd, StopsWhatPlaysAndACdOnlyWhileItIsPolled) {
    const EndCase& c = GetParam();
    Player p(c.kind, c.file);
    p.player.StartMusic();
    p.Take();
    p.player.StopMusic(c.cdStillPolled);
    EXPECT_EQ(p.Take(), SentBy(c.operation ? c.operation : "", c.file));
}

INSTANTIATE_TEST_SUITE_P(
    ByMusic, MusicEnd,
    testing::Values(EndCase{1, "", true, "StopCd"},
                    EndCase{1, "", false, nullptr},  // the poll gave up: no CD stop
                    EndCase{2, "C:\\a.WAV", false, "StopWav"},
                    EndCase{2, "C:\\a.mp3", false, "StopMp3"},
                    EndCase{2, "C:\\a.ogg", false, nullptr},
                    EndCase{0, "", false, nullptr}));

class MusicAgain : public testing::TestWithParam<StartCase> {};

// The display came back after the music slept with it: the music starts as it first did.
TEST_P(MusicAgain, StartsAfterAStopAsItFirstStarted) {
    const StartCase& c = GetParam();
    Player p(c.kind, c.file);
    p.player.StartMusic();
    const Sent first = p.Take();
    p.player.StopMusic(c.pollsCd);
    p.Take();
    const music::MusicTimers timers = p.player.StartMusic();
    EXPECT_EQ(p.Take(), first);
    EXPECT_EQ(timers.repeatsMusicFile, c.repeatsMusicFile);
    EXPECT_EQ(timers.pollsCd, c.pollsCd);
}

INSTANTIATE_TEST_SUITE_P(ByMusic, MusicAgain, testing::Values(
    StartCase{1, "", "OpenCd", false, true}, StartCase{2, "C:\\m\\a.mp3", "PlayMp3", true, false},
    StartCase{2, "C:\\m\\a.wav", "PlayWav", false, false}));

}  // namespace
