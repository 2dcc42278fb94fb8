// The settings file under Wine with code page 932, written and read by the real profile
// functions: its bytes after saving, a file written by hand, other contents that survive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "testing/wintest/wintest.h"

namespace {

constexpr DWORD kProgramEndMs = 30000;

// The keys as code page 932 bytes, as existing files hold them.
const std::string kKindKey = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "BGM\xCC\xA7\xB2\xD9";

std::string UnixToWindows(std::string path) {
    for (char& c : path) if (c == '/') c = '\\';
    return "Z:" + path;
}

class SettingsFile : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the test must run under code page 932";
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = "C:\\vqtest\\settings_" + name;
        CreateDirectoryA("C:\\vqtest", nullptr);
        wintest::DeleteTree(folder_);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        ASSERT_TRUE(CopyFileA(UnixToWindows(PROBE_PATH).c_str(), (folder_ + "\\probe.exe").c_str(), FALSE));
    }
    void TearDown() override { wintest::DeleteTree(folder_); }

    // Runs the probe with ANSI arguments; its exit code.
    DWORD RunProbe(const std::string& arguments) {
        auto probe = wintest::ChildProcess::Start("\"" + folder_ + "\\probe.exe\" " + arguments, folder_);
        EXPECT_TRUE(probe.has_value());
        if (!probe) return 0xFFFF;
        const auto code = probe->WaitExit(kProgramEndMs);
        EXPECT_TRUE(code.has_value()) << "the probe did not end";
        return code.value_or(0xFFFF);
    }
    std::string Loaded() {
        EXPECT_EQ(RunProbe("load"), 0u);
        return wintest::ReadFileBytes(folder_ + "\\loaded.txt").value_or("<no result>");
    }
    std::string IniPath() const { return folder_ + "\\Vaporquill.ini"; }

    std::string folder_;
};

TEST_F(SettingsFile, ANewFileHoldsTheSectionAndTheThreeKeysInOrderInShiftJis) {
    const std::string music = folder_ + "\\" + wintest::Narrow(L"音楽") + ".mp3";
    ASSERT_EQ(RunProbe("save 2 0 \"" + music + "\""), 0u);
    const auto bytes = wintest::ReadFileBytes(IniPath());
    ASSERT_TRUE(bytes.has_value()) << "no settings file was written";
    // WINE: WritePrivateProfileStringA drops the leading blank of " 2" and " 0" that the
    // program passes (Windows keeps it, giving "BGM区分= 2"); the value passed is checked
    // in the profile trace below and by the native tests over the fake profile store.
    EXPECT_EQ(*bytes, "[Section]\r\n" + kKindKey + "=2\r\n" + kRepeatKey + "=0\r\n" + kFileKey + "=" + music + "\r\n");
}

TEST_F(SettingsFile, NumbersArePassedWithTheirSignPosition) {
    if (!std::getenv("VQ_WINE_TRACE")) GTEST_SKIP() << "needs the profile trace of wine_exec_traced.sh";
    ASSERT_EQ(RunProbe("save 2 0 C:\\x.mp3"), 0u);
    ASSERT_EQ(RunProbe("save 1 -3"), 0u);
    const std::string folderName = "settings_NumbersArePassedWithTheirSignPosition";
    const std::string kind = "L\"Section\", L\"BGM\\533a\\5206\", ";
    const std::string repeat = "L\"Section\", L\"BGM\\ff98\\ff8b\\ff9f\\ff70\\ff84\", ";
    const std::string file = "L\"Section\", L\"BGM\\ff8c\\ff67\\ff72\\ff99\", ";
    EXPECT_EQ(wintest::TracedProfileWrites(folderName),
              (std::vector<std::string>{kind + "L\" 2\"", repeat + "L\" 0\"", file + "L\"C:\\\\x.mp3\"",
                                        kind + "L\" 1\"", repeat + "L\"-3\"", file + "L\"\""}));
}

TEST_F(SettingsFile, AFileWrittenByHandInShiftJisLoads) {
    const std::string music = folder_ + "\\" + wintest::Narrow(L"曲表") + ".wav";
    ASSERT_TRUE(wintest::WriteFileBytes(music, "RIFF"));
    ASSERT_TRUE(wintest::WriteFileBytes(IniPath(), "[Section]\r\n" + kKindKey + "= 2\r\n" + kRepeatKey +
                                                   "= 12\r\n" + kFileKey + "=" + music + "\r\n"));
    EXPECT_EQ(Loaded(), "2|12|" + music);
}

TEST_F(SettingsFile, SectionAndKeysMatchWithoutRegardToCase) {
    ASSERT_TRUE(wintest::WriteFileBytes(IniPath(), "[SECTION]\r\nbgm\x8B\xE6\x95\xAA=1\r\nbgm\xD8\xCB\xDF\xB0\xC4=-3\r\n"));
    EXPECT_EQ(Loaded(), "1|-3|");
}

TEST_F(SettingsFile, AMissingMusicFileTurnsKindTwoIntoNone) {
    ASSERT_TRUE(wintest::WriteFileBytes(IniPath(), "[Section]\r\n" + kKindKey + "= 2\r\n" + kRepeatKey +
                                                   "= 0\r\n" + kFileKey + "=" + folder_ + "\\gone.mp3\r\n"));
    EXPECT_EQ(Loaded(), "0|0|");
}

TEST_F(SettingsFile, NoFileLoadsTheDefaultsAndKeysInUtf8DoNotMatch) {
    EXPECT_EQ(Loaded(), "0|0|");
    ASSERT_TRUE(wintest::WriteFileBytes(IniPath(), "[Section]\r\n" + wintest::Utf8(L"BGM区分") + "= 1\r\n"));
    EXPECT_EQ(Loaded(), "0|0|");
}

TEST_F(SettingsFile, OtherSectionsAndKeysSurviveASave) {
    ASSERT_TRUE(wintest::WriteFileBytes(IniPath(), "[Other]\r\nkept=yes\r\n[Section]\r\nExtra=stays\r\n" +
                                                   kKindKey + "= 1\r\n"));
    ASSERT_EQ(RunProbe("save 1 4"), 0u);
    const std::string bytes = wintest::ReadFileBytes(IniPath()).value_or("");
    EXPECT_NE(bytes.find("[Other]\r\nkept=yes\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Extra=stays\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(kRepeatKey + "=4\r\n"), std::string::npos) << bytes;  // WINE: no blank, see above
    EXPECT_EQ(Loaded(), "1|4|");
}

TEST_F(SettingsFile, AWriteIntoAFolderThatCannotBeWrittenIsReportedThroughTheResultOnly) {
    ASSERT_TRUE(CreateDirectoryA(IniPath().c_str(), nullptr)) << "a folder where the file should be";
    EXPECT_EQ(RunProbe("save 2 0 x"), 1u) << "the failed write is the probe's exit code";
}

}  // namespace
