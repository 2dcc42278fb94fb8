// The music module over the real winmm under Wine: the commands it sends, observed in the
// process's own +mci trace (wine_exec_traced.sh sends it to a file), a WAV file played or,
// with no wave device, not played, and an MP3 path with blanks and Japanese characters
// reaching MCI in code page 932.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "music/music_platform_win32.h"
#include "music/music_player.h"
#include "music/tests/mci_trace.h"
#include "testing/wintest/wintest.h"

namespace {

using mcitest::Commands;
using mcitest::MciTrace;
using mcitest::NullMpegVideoDriver;
const char* const kFolder = "C:\\vqtest\\music";

// 0.2 s of a 440 Hz square wave, 8 kHz 8-bit mono.
std::string ShortWav() {
    const uint32_t samples = 1600;
    auto le32 = [](uint32_t v) {
        return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    };
    auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string wav = "RIFF" + le32(36 + samples) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                      le32(8000) + le32(8000) + le16(1) + le16(8) + "data" + le32(samples);
    for (uint32_t i = 0; i < samples; ++i) wav += char((i / 9) % 2 ? 0xA0 : 0x60);
    return wav;
}

class RealWinmm : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u);
        ASSERT_TRUE(trace.available()) << "run through wine_exec_traced.sh";
        CreateDirectoryA("C:\\vqtest", nullptr);
        wintest::DeleteTree(kFolder);
        ASSERT_TRUE(CreateDirectoryA(kFolder, nullptr));
    }
    void TearDown() override { wintest::DeleteTree(kFolder); }

    // A music path with blanks and Japanese characters, in the ANSI code page.
    std::string JapaneseMp3Path() {
        const std::string folder = std::string(kFolder) + "\\" + wintest::Narrow(L"夜の 雲");
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string path = folder + "\\" + wintest::Narrow(L"風 ソナタ.mp3");
        // Not a playable file: only the command and the path it names matter here.
        EXPECT_TRUE(wintest::WriteFileBytes(path, "not really an mp3"));
        return path;
    }

    MciTrace trace;
    music::MusicPlatformWin32 platform;
    settings::SettingsRecord settings;
    int32_t lastResult = 12345;
};

TEST_F(RealWinmm, WavFileIsLoopedOnlyWhenAWaveDeviceExists) {
    settings = {settings::kBgmMusicFile, 0, std::string(kFolder) + "\\tone.wav"};
    ASSERT_TRUE(wintest::WriteFileBytes(settings.BgmFile, ShortWav()));
    music::MusicPlayer player(platform, settings, lastResult);
    player.PlayWav();
    if (waveOutGetNumDevs() == 0) {
        // WINE: this machine has no sound card, so there is nothing to play on.
        EXPECT_EQ(lastResult, 12345) << "nothing may be played without a wave device";
    } else {
        EXPECT_EQ(lastResult, 1) << "the file should play";
        wintest::SleepMs(500);  // longer than the file: it must be looping by now
    }
    player.StopWav();
    EXPECT_NE(lastResult, 12345);
    EXPECT_TRUE(trace.Take().empty()) << "a WAV file never goes through MCI";
}

TEST_F(RealWinmm, Mp3PathReachesMpegVideoQuotedAndInCodePage932) {
    settings = {settings::kBgmMusicFile, 0, JapaneseMp3Path()};
    music::MusicPlayer player(platform, settings, lastResult);
    const std::string open = "open \"" + settings.BgmFile + "\" type MPEGVideo Alias MP3Play";

    player.PlayMp3();
    // The file is no MP3, so no platform can open it: nothing follows the open.
    EXPECT_EQ(trace.Take(), Commands{MciTrace::Shown(open)});
    player.Mp3Repeat();
    EXPECT_EQ(trace.Take(),
              (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    player.StopMp3();
    EXPECT_EQ(trace.Take(), (Commands{"stop MP3Play", "close MP3Play"}));
    EXPECT_EQ(lastResult, 12345);
}

TEST_F(RealWinmm, WholeMp3SequenceRunsThroughADriverThatPlays) {
    // WINE: MPEGVideo cannot open MP3 files here (no GStreamer decoders installed), so a do-nothing
    // driver stands in for it. Its path must hold no blank: MCI cuts driver names there.
    const std::string dll = std::string(kFolder) + "\\null_mci_driver.dll";
    ASSERT_TRUE(CopyFileA(NULL_MCI_DRIVER_PATH, dll.c_str(), FALSE));
    NullMpegVideoDriver driver(dll);
    ASSERT_TRUE(driver.registered());

    settings = {settings::kBgmMusicFile, 0, JapaneseMp3Path()};
    music::MusicPlayer player(platform, settings, lastResult);
    player.PlayMp3();
    EXPECT_EQ(trace.Take(),
              (Commands{MciTrace::Shown("open \"" + settings.BgmFile +
                                        "\" type MPEGVideo Alias MP3Play"),
                        "play MP3Play"}));
    EXPECT_TRUE(player.Mp3IsPlaying());
    trace.Take();

    player.Mp3Repeat();  // the driver has let the file end
    EXPECT_EQ(trace.Take(),
              (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    player.Mp3Repeat();  // playing again
    EXPECT_EQ(trace.Take(), Commands{"status MP3Play mode"});
    player.StopMp3();
    EXPECT_EQ(trace.Take(), (Commands{"stop MP3Play", "close MP3Play"}));
}

TEST_F(RealWinmm, CdPollingEndsWithoutADiscAndNeverRaises) {
    settings = {settings::kBgmAudioCd, 3, ""};
    music::MusicPlayer player(platform, settings, lastResult);
    player.OpenCd();
    player.PollCd();
    // WINE: there is no CD drive; on a machine with a disc playing, polling goes on.
    EXPECT_FALSE(player.CdOk());
    EXPECT_NE(lastResult, 0);
    const Commands sent = trace.Take();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(Commands(sent.begin(), sent.begin() + 3),
              (Commands{"open cdaudio", "set cdaudio time format tmsf",
                        "status cdaudio current track"}));
    player.StopCd();
    EXPECT_EQ(trace.Take(), (Commands{"stop cdaudio", "close cdaudio"}));
}

TEST_F(RealWinmm, FixedAndPlatformRepliesAreInCodePage932) {
    music::MusicPlayer player(platform, settings, lastResult);
    std::string reply;
    EXPECT_EQ(player.MciCommand("", reply), -1);
    EXPECT_EQ(wintest::Widen(reply, 932), L"コマンド文字列が指定されていません");
    EXPECT_TRUE(trace.Take().empty());

    const int32_t code = player.MciCommand("status MP3Play mode", reply);
    EXPECT_NE(code, 0);
    EXPECT_FALSE(reply.empty()) << "the platform's error text";
    EXPECT_EQ(player.MciQuery("status MP3Play mode"), "Error:" + std::to_string(code));
}

}  // namespace
