// MciCommand and MciQuery: replies, error texts, codes and the shared LastResult, and that
// nothing an earlier reply left in a buffer ever shows up in a later one.
#include <gtest/gtest.h>

#include "music/music_player.h"
#include "music/tests/scripted_platform.h"

namespace {

// Answers each command from a table; unknown commands are rejected.
class TableDevice : public ScriptedPlatform {
  public:
    std::map<std::string, DeviceAnswer> answers;

  protected:
    DeviceAnswer Answer(const std::string& command) override {
        const auto found = answers.find(command);
        return found != answers.end() ? found->second : DeviceAnswer{kErrInvalidDevice, ""};
    }
};

class MciHelpers : public testing::Test {
  protected:
    TableDevice device;
    settings::SettingsRecord settings;
    int32_t lastResult = 12345;
    music::MusicPlayer player{device, settings, lastResult};
    std::string reply = "untouched";
};

TEST_F(MciHelpers, EmptyCommandIsAnsweredWithoutTheDevice) {
    EXPECT_EQ(player.MciCommand("", reply), -1);
    EXPECT_EQ(reply, device.ToAnsi(L"コマンド文字列が指定されていません"));
    EXPECT_TRUE(device.sent.empty());
    EXPECT_EQ(lastResult, 12345);
    EXPECT_EQ(player.MciQuery(""), "Error:-1");
    EXPECT_EQ(lastResult, -1);
}

TEST_F(MciHelpers, ReplyIsReadFromA512ByteBuffer) {
    device.answers["status cdaudio mode"] = {0, "playing"};
    EXPECT_EQ(player.MciCommand("status cdaudio mode", reply), 0);
    EXPECT_EQ(reply, "playing");
    EXPECT_EQ(lastResult, 0);
    ASSERT_EQ(device.sent.size(), 1u);
    EXPECT_TRUE(device.sent[0].hasBuffer);
    EXPECT_EQ(device.sent[0].size, 512u);
}

TEST_F(MciHelpers, RejectedCommandGivesThePlatformsErrorTextAndCode) {
    device.errorTexts[kErrInvalidDevice] = "The specified device is not open.";
    EXPECT_EQ(player.MciCommand("status nothing mode", reply), int32_t(kErrInvalidDevice));
    EXPECT_EQ(reply, "The specified device is not open.");
    EXPECT_EQ(lastResult, int32_t(kErrInvalidDevice));
}

TEST_F(MciHelpers, RejectedCommandWithoutErrorTextGivesTheFixedText) {
    EXPECT_EQ(player.MciCommand("status nothing mode", reply), int32_t(kErrInvalidDevice));
    EXPECT_EQ(reply, device.ToAnsi(L"Error (文字列が取れません)"));
}

TEST_F(MciHelpers, QueryOnARejectedCommandGivesErrorAndTheDecimalCode) {
    device.errorTexts[kErrInvalidDevice] = "not open";
    const std::string answer = player.MciQuery("status nothing mode");
    EXPECT_EQ(answer, "Error:263");
    EXPECT_EQ(player.MciReply(), "not open");
    EXPECT_EQ(lastResult, 263);
}

TEST_F(MciHelpers, EarlierLongerRepliesNeverLeakIntoLaterOnes) {
    device.answers["long"] = {0, std::string(400, 'x')};
    device.answers["short"] = {0, "12"};
    device.answers["silent"] = {0, ""};
    device.errorTexts[kErrInvalidDevice] = "a rather long error text from the platform";
    device.errorTexts[kErrNotReady] = "busy";
    device.answers["busy"] = {kErrNotReady, ""};

    EXPECT_EQ(player.MciQuery("long"), std::string(400, 'x'));
    EXPECT_EQ(player.MciQuery("short"), "12");
    EXPECT_EQ(player.MciQuery("silent"), "");
    player.MciQuery("rejected");
    EXPECT_EQ(player.MciQuery("busy"), "Error:276");
    EXPECT_EQ(player.MciReply(), "busy");
}

// A platform that fills the whole buffer with no NUL in it must not make the player read
// past the buffer's end (the sanitizers watch this).
class OverfillingDevice : public ScriptedPlatform {
  public:
    uint32_t SendMciString(const char* command, char* reply, uint32_t size) override {
        sent.push_back({command, reply != nullptr, size});
        if (reply) std::memset(reply, 'z', size);
        return 0;
    }
    bool GetMciErrorString(uint32_t, char* text, uint32_t size) override {
        std::memset(text, 'e', size);
        return true;
    }

  protected:
    DeviceAnswer Answer(const std::string&) override { return {}; }
};

TEST(MciBuffers, ReplyWithoutNulIsCutAtTheBufferEnd) {
    OverfillingDevice device;
    settings::SettingsRecord settings;
    int32_t lastResult = 0;
    music::MusicPlayer player(device, settings, lastResult);
    EXPECT_EQ(player.MciQuery("status cdaudio current track"), std::string(512, 'z'));
    EXPECT_FALSE(player.Mp3IsPlaying());
}

}  // namespace
