// The music-file operations: an MP3 alias that plays, ends and is restarted, a file that
// cannot be opened, and the WAV loop in the sound player.
#include <gtest/gtest.h>

#include "music/music_player.h"
#include "music/tests/scripted_platform.h"

namespace {

using Commands = std::vector<std::string>;

// The MPEGVideo device: opens the files it can read under the alias, plays until the test
// lets the file end, and rejects everything addressed to an alias that is not open.
class FakeMp3Device : public ScriptedPlatform {
  public:
    std::string readableFile;
    bool isOpen = false;
    std::string mode = "stopped";

  protected:
    DeviceAnswer Answer(const std::string& c) override {
        if (c.rfind("open ", 0) == 0) {
            const std::string expected =
                "open \"" + readableFile + "\" type MPEGVideo Alias MP3Play";
            if (c != expected) return {kErrFileNotFound, ""};
            isOpen = true;
            return {0, ""};
        }
        if (!isOpen) return {kErrInvalidDevice, ""};
        if (c == "play MP3Play" || c == "play MP3Play from 0") mode = "playing";
        else if (c == "stop MP3Play") mode = "stopped";
        else if (c == "close MP3Play") isOpen = false;
        else if (c == "status MP3Play mode") return {0, mode};
        else return {kErrInvalidDevice, ""};
        return {0, ""};
    }
};

class MusicFile : public testing::Test {
  protected:
    FakeMp3Device device;
    settings::SettingsRecord settings{settings::kBgmMusicFile, 0, "C:\\My Music\\night flight.mp3"};
    int32_t lastResult = 12345;
    music::MusicPlayer player{device, settings, lastResult};
};

TEST_F(MusicFile, Mp3IsOpenedQuotedPlayedRestartedWhenEndedAndClosed) {
    device.readableFile = settings.BgmFile;
    player.PlayMp3();
    EXPECT_EQ(device.TakeSent(),
              (Commands{"open \"C:\\My Music\\night flight.mp3\" type MPEGVideo Alias MP3Play",
                        "play MP3Play"}));

    player.Mp3Repeat();  // still playing
    EXPECT_EQ(device.TakeSent(), (Commands{"status MP3Play mode"}));

    device.mode = "stopped";  // the file has ended: one tick brings it back
    player.Mp3Repeat();
    EXPECT_EQ(device.TakeSent(),
              (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_EQ(device.mode, "playing");

    player.StopMp3();
    EXPECT_EQ(device.TakeSent(), (Commands{"stop MP3Play", "close MP3Play"}));
    EXPECT_FALSE(device.isOpen);
    EXPECT_EQ(lastResult, 12345) << "the music-file commands leave LastResult alone";
}

TEST_F(MusicFile, UnopenableFileSendsNothingMoreAndFailsSilentlyAtEachRepeat) {
    player.PlayMp3();
    EXPECT_EQ(device.TakeSent().size(), 1u);
    for (int tick = 0; tick < 3; ++tick) {
        player.Mp3Repeat();
        EXPECT_EQ(device.TakeSent(),
                  (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    }
    player.StopMp3();
    EXPECT_EQ(device.TakeSent(), (Commands{"stop MP3Play", "close MP3Play"}));
}

TEST_F(MusicFile, AFailingModeQueryKeepsTheLastAnswer) {
    device.readableFile = settings.BgmFile;
    player.PlayMp3();
    EXPECT_TRUE(player.Mp3IsPlaying());
    device.isOpen = false;  // the device no longer answers for the alias
    EXPECT_TRUE(player.Mp3IsPlaying()) << "the buffer still holds the last reply";
    device.TakeSent();
    player.Mp3Repeat();
    EXPECT_EQ(device.TakeSent(), Commands{"status MP3Play mode"});
}

TEST_F(MusicFile, ModeQueryOffersThe30ByteBufferAndOtherCommandsNone) {
    device.readableFile = settings.BgmFile;
    player.PlayMp3();
    player.Mp3Repeat();
    for (const auto& sent : device.sent) {
        if (sent.command == "status MP3Play mode") {
            EXPECT_TRUE(sent.hasBuffer);
            EXPECT_EQ(sent.size, 30u);
        } else {
            EXPECT_FALSE(sent.hasBuffer) << sent.command;
            EXPECT_EQ(sent.size, 0u) << sent.command;
        }
    }
}

TEST_F(MusicFile, WavLoopsInTheSoundPlayerOnlyWithAWaveDevice) {
    settings.BgmFile = "C:\\My Music\\wind.wav";
    player.PlayWav();
    EXPECT_TRUE(device.sounds.empty());
    EXPECT_EQ(lastResult, 12345);

    device.waveDevices = 1;
    player.PlayWav();
    player.StopWav();
    using Call = std::pair<std::string, uint32_t>;
    EXPECT_EQ(device.sounds, (std::vector<Call>{{"C:\\My Music\\wind.wav", 9u}, {"<none>", 0u}}));
    EXPECT_EQ(lastResult, 1);
    EXPECT_TRUE(device.sent.empty());
}

}  // namespace
