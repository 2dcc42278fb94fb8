// A whole saver session under Wine: the real screen saver and the real renderer side by
// side, the texture file between them, the music commands it sends (watched in the +mci
// trace of this process and its children), and its end when the renderer goes.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "music/tests/mci_trace.h"
#include "wintest/wintest.h"

namespace {

using mcitest::Commands;
using mcitest::MciTrace;

// Generous bounds for a slow, loaded machine.
constexpr DWORD kWindowAppearsMs = 30000;
constexpr DWORD kProgramEndsMs = 30000;
const char* const kTextureFile = "C:\\q_vosk\\Cirrovance.bmp";
const char* const kRendererTitle = "Cirrovance_Tunnel";
const char* const kSaverTitle = "Cirrovance_Main";

// A process found through one of its windows, ended by the test if it still runs.
class FoundProcess {
  public:
    explicit FoundProcess(HWND window) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        process_ = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
    }
    ~FoundProcess() {
        if (!process_) return;
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 0xDEAD);
            WaitForSingleObject(process_, 10000);
        }
        CloseHandle(process_);
    }
    FoundProcess(const FoundProcess&) = delete;
    FoundProcess& operator=(const FoundProcess&) = delete;
    bool WaitExit(DWORD timeoutMs) const {
        return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
    }

  private:
    HANDLE process_ = nullptr;
};

// The first process found whose parent is parentId, opened to be waited for; null when
// none appeared within the time.
HANDLE WaitForChildProcess(DWORD parentId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot != INVALID_HANDLE_VALUE) {
            PROCESSENTRY32 entry{};
            entry.dwSize = sizeof(entry);
            DWORD childId = 0;
            for (BOOL more = Process32First(snapshot, &entry); more && !childId;
                 more = Process32Next(snapshot, &entry)) {
                if (entry.th32ParentProcessID == parentId) childId = entry.th32ProcessID;
            }
            CloseHandle(snapshot);
            if (childId) return OpenProcess(SYNCHRONIZE, FALSE, childId);
        }
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

class SaverSession : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u);
        ASSERT_EQ(FindWindowA(nullptr, kRendererTitle), nullptr) << "a renderer from before runs on";
        DeleteFileA(kTextureFile);
        folder_ = wintest::InstallPairTo("saver");
    }

    std::optional<wintest::ChildProcess> StartSaver(const std::string& arguments) {
        std::string commandLine = "\"" + folder_ + "\\Vaporquill.scr\"";
        if (!arguments.empty()) commandLine += " " + arguments;
        return wintest::ChildProcess::Start(commandLine, folder_);
    }

    // Writes the settings file the way the program's own profile calls would.
    void WriteSettings(const std::wstring& kind, const std::string& file) {
        const std::string path = folder_ + "\\Vaporquill.ini";
        WritePrivateProfileStringA("Section", wintest::Narrow(L"BGM区分").c_str(),
                                   wintest::Narrow(kind).c_str(), path.c_str());
        WritePrivateProfileStringA("Section", wintest::Narrow(L"BGMﾘﾋﾟｰﾄ").c_str(), " 0", path.c_str());
        WritePrivateProfileStringA("Section", wintest::Narrow(L"BGMﾌｧｲﾙ").c_str(), file.c_str(),
                                   path.c_str());
    }

    std::string folder_;
};

TEST_F(SaverSession, RunsTheRendererOverTheTextureFileAndEndsWhenItsWindowCloses) {
    auto saver = StartSaver("/s");
    ASSERT_TRUE(saver.has_value());
    const HWND renderer = wintest::WaitForWindow(kRendererTitle, kWindowAppearsMs);
    ASSERT_NE(renderer, nullptr) << "the renderer's window did not appear";
    FoundProcess rendererProcess(renderer);

    const HWND saverForm = FindWindowA(nullptr, kSaverTitle);
    ASSERT_NE(saverForm, nullptr);
    EXPECT_FALSE(IsWindowVisible(saverForm)) << "the saver form stays hidden";
    EXPECT_EQ(wintest::WindowProcessId(saverForm), saver->id());

    // The texture file is the cloud picture, byte for byte in the layout the renderer reads.
    const auto texture = wintest::ReadFileBytes(kTextureFile);
    const auto cloud = wintest::ReadFileBytes(wintest::SourceDir() + "\\assets\\cloud.bmp");
    ASSERT_TRUE(texture.has_value());
    ASSERT_TRUE(cloud.has_value());
    EXPECT_EQ(texture->size(), 49206u);
    EXPECT_TRUE(*texture == *cloud) << "the texture file differs from the cloud picture";

    // A second start while the session runs ends at once and starts nothing.
    auto second = StartSaver("/s");
    ASSERT_TRUE(second.has_value());
    EXPECT_TRUE(second->WaitExit(kProgramEndsMs).has_value());
    EXPECT_EQ(FindWindowA(nullptr, kRendererTitle), renderer);

    // Closing the renderer's window ends the renderer and, within a watch tick, the saver.
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rendererProcess.WaitExit(kProgramEndsMs));
    const DWORD rendererGoneAt = GetTickCount();
    ASSERT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());
    const DWORD saverLagMs = GetTickCount() - rendererGoneAt;
    // One 500 ms watch interval, with room for a loaded machine.
    EXPECT_LT(saverLagMs, 5000u);
    RecordProperty("saver_end_after_renderer_ms", static_cast<int>(saverLagMs));
    EXPECT_EQ(FindWindowA(nullptr, kSaverTitle), nullptr);
}

TEST_F(SaverSession, EmptyCommandLineRunsASessionThatEscapeToTheRendererEnds) {
    auto saver = StartSaver("");
    ASSERT_TRUE(saver.has_value());
    const HWND renderer = wintest::WaitForWindow(kRendererTitle, kWindowAppearsMs);
    ASSERT_NE(renderer, nullptr);
    FoundProcess rendererProcess(renderer);
    ASSERT_NE(FindWindowA(nullptr, kSaverTitle), nullptr);

    PostMessageA(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(rendererProcess.WaitExit(kProgramEndsMs));
    EXPECT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());
}

// A renderer that is slow to open its window, or dies before it does, stood in for by a
// small program under the renderer's file name.
class SaverWithStandInRenderer : public SaverSession {
  protected:
    void SetUp() override {
        SaverSession::SetUp();
        ASSERT_TRUE(CopyFileA(RENDERER_STANDIN_PATH, (folder_ + "\\Vaporquill.dll").c_str(), FALSE));
    }
    void TearDown() override { SetEnvironmentVariableA("VQ_STANDIN_MODE", nullptr); }
};

TEST_F(SaverWithStandInRenderer, SessionWaitsForARendererWhoseWindowComesLate) {
    SetEnvironmentVariableA("VQ_STANDIN_MODE", "slow-window");
    auto saver = StartSaver("/s");
    ASSERT_TRUE(saver.has_value());
    // Several watch ticks pass before the window comes; the session must wait for it.
    EXPECT_FALSE(saver->WaitExit(2000).has_value()) << "the session gave up on its renderer";
    const HWND renderer = wintest::WaitForWindow(kRendererTitle, kWindowAppearsMs);
    ASSERT_NE(renderer, nullptr);
    FoundProcess rendererProcess(renderer);
    wintest::SleepMs(1000);
    EXPECT_TRUE(saver->IsRunning());
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());
}

TEST_F(SaverWithStandInRenderer, SessionEndsWhenTheRendererDiesWithoutAWindow) {
    SetEnvironmentVariableA("VQ_STANDIN_MODE", "no-window");
    auto saver = StartSaver("/s");
    ASSERT_TRUE(saver.has_value());
    const HANDLE standIn = WaitForChildProcess(saver->id(), kWindowAppearsMs);
    ASSERT_NE(standIn, nullptr) << "the saver started no renderer";
    const bool standInEnded = WaitForSingleObject(standIn, kProgramEndsMs) == WAIT_OBJECT_0;
    CloseHandle(standIn);
    ASSERT_TRUE(standInEnded);
    // Within a watch tick or so of its renderer's death, far less than the 15 s the session
    // would wait for a live renderer's first window.
    EXPECT_TRUE(saver->WaitExit(5000).has_value());
}

TEST_F(SaverSession, Mp3MusicIsOpenedAndPlayedAndAtTheEndStoppedAndClosed) {
    MciTrace trace;
    if (!trace.available()) GTEST_SKIP() << "run through wine_exec_traced.sh";
    // WINE: MPEGVideo cannot open MP3 files here (no 32-bit decoders), so a do-nothing
    // driver stands in for it. Its path must hold no blank: MCI cuts driver names there.
    const std::string driverPath = folder_ + "\\null_mci_driver.dll";
    ASSERT_TRUE(CopyFileA(NULL_MCI_DRIVER_PATH, driverPath.c_str(), FALSE));
    mcitest::NullMpegVideoDriver driver(driverPath);
    ASSERT_TRUE(driver.registered());
    const std::string song = folder_ + "\\" + wintest::Narrow(L"雲の歌.mp3");
    ASSERT_TRUE(wintest::WriteFileBytes(song, "not really an mp3"));
    WriteSettings(L" 2", song);

    auto saver = StartSaver("/s");
    ASSERT_TRUE(saver.has_value());
    const HWND renderer = wintest::WaitForWindow(kRendererTitle, kWindowAppearsMs);
    ASSERT_NE(renderer, nullptr);
    FoundProcess rendererProcess(renderer);
    wintest::SleepMs(2500);  // a couple of repeat ticks
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());

    const Commands sent = trace.Take();
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(Commands(sent.begin(), sent.begin() + 2),
              (Commands{MciTrace::Shown("open \"" + song + "\" type MPEGVideo Alias MP3Play"),
                        "play MP3Play"}));
    EXPECT_NE(std::find(sent.begin(), sent.end(), "status MP3Play mode"), sent.end())
        << "the repeat timer did not look at the music";
    EXPECT_EQ(Commands(sent.end() - 2, sent.end()), (Commands{"stop MP3Play", "close MP3Play"}));
}

}  // namespace
