// A whole saver session under Wine: the real screen saver and the real renderer side by
// side, the texture file between them, the music commands it sends (watched in the +mci
// trace of this process and its children), its renderer watches (Wine's relay trace of the
// saver's window lookups), and its end when the renderer goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/power_notice_win32.h"
#include "frontend/tests/test_window.h"
#include "music/tests/mci_trace.h"
#include "testing/wintest/relay_trace.h"
#include "testing/wintest/wintest.h"

namespace {

using mcitest::Commands;
using mcitest::MciTrace;

// Generous bounds for a slow, loaded machine.
constexpr DWORD kWindowAppearsMs = 30000;
constexpr DWORD kProgramEndsMs = 30000;
const char* const kTextureFile = "C:\\q_vosk\\Cirrovance.bmp";
const char* const kRendererTitle = "Cirrovance_Tunnel";
const char* const kSaverTitle = "Cirrovance_Main";
// What a program could ask the system with to stay awake, or to keep the display on (input
// made up to look like a user's): none of the programs ever calls it.
const char* const kStayAwakeCalls[] = {"SetThreadExecutionState", "PowerCreateRequest", "PowerSetRequest",
                                       "SendInput", "keybd_event", "mouse_event"};
// Traced in every session: the saver's watches, the renderer's frames, and the calls above.
const char* const kTracedCalls =
    "user32.FindWindowA;gdi32.SwapBuffers;SetThreadExecutionState;PowerCreateRequest;PowerSetRequest;"
    "SendInput;keybd_event;mouse_event";

using FoundProcess = wintest::OpenedProcess;

// The first process found whose parent is parentId; 0 when none appeared within the time.
DWORD WaitForChildProcess(DWORD parentId, DWORD timeoutMs) {
    DWORD childId = 0;
    wintest::PumpUntil([&] {
        const std::vector<DWORD> children = wintest::ChildrenOf(parentId);
        childId = children.empty() ? 0 : children.front();
        return childId != 0;
    }, timeoutMs);
    return childId;
}

// The MCI commands the trace shows from now on, once `enough` holds for them or the bound is up.
Commands CommandsUntil(MciTrace& trace, const std::function<bool(const Commands&)>& enough) {
    Commands sent;
    wintest::PumpUntil([&] {
        const Commands fresh = trace.Take();
        sent.insert(sent.end(), fresh.begin(), fresh.end());
        return enough(sent);
    }, kProgramEndsMs);
    return sent;
}

class SaverSession : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u);
        ASSERT_EQ(FindWindowA(nullptr, kRendererTitle), nullptr) << "a renderer from before runs on";
        ASSERT_TRUE(relay_.available()) << "run through wine_exec_traced.sh: the watches are read from Wine's trace";
        DeleteFileA(kTextureFile);
        folder_ = wintest::InstallPairTo(InstallFolderName());
    }
    void TearDown() override { wintest::DeleteTree(folder_); }

    // The folder under C:\\vqtest the pair is installed in, in the ANSI code page.
    virtual std::string InstallFolderName() const { return "saver"; }

    // The saver, with its window lookups in Wine's relay trace.
    std::optional<wintest::ChildProcess> StartSaver(const std::string& arguments) {
        std::string commandLine = "\"" + folder_ + "\\Vaporquill.scr\"";
        if (!arguments.empty()) commandLine += " " + arguments;
        return relay_.Start(commandLine, folder_);
    }

    // The renderer watches a saver made so far: its lookups of the renderer's window title.
    std::vector<wintest::RelayCall> Watches(const wintest::ChildProcess& saver) const {
        return relay_.Calls(saver.id(), "user32.FindWindowA", "\"Cirrovance_Tunnel\"");
    }
    // Waits for `count` watches in all, or for the saver's end; true when they came.
    bool WaitForWatches(const wintest::ChildProcess& saver, size_t count) const {
        return wintest::PumpUntil([&] { return Watches(saver).size() >= count || !saver.IsRunning(); }, kProgramEndsMs) &&
               Watches(saver).size() >= count;
    }

    // An MP3 file (in name only) in the pair's folder, chosen in the settings as the music.
    std::string ChooseSongInFolder() {
        const std::string song = folder_ + "\\" + wintest::Narrow(L"雲の歌.mp3");
        EXPECT_TRUE(wintest::WriteFileBytes(song, "not really an mp3"));
        WriteSettings(L" 2", song);
        return song;
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

    wintest::RelayTrace relay_{kTracedCalls};
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

    // Once the session has seen the renderer's window, closing it ends the renderer and, at
    // the first watch that finds no window, the saver.
    const auto sawWindow = [&] {
        for (const wintest::RelayCall& watch : Watches(*saver)) {
            if (watch.result.value_or(0) != 0) return true;
        }
        return false;
    };
    ASSERT_TRUE(wintest::PumpUntil(sawWindow, kWindowAppearsMs)) << "no watch found the renderer's window";
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rendererProcess.WaitExit(kProgramEndsMs));
    const DWORD rendererGoneAt = GetTickCount();
    ASSERT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());
    RecordProperty("saver_end_after_renderer_ms", static_cast<int>(GetTickCount() - rendererGoneAt));
    EXPECT_EQ(FindWindowA(nullptr, kSaverTitle), nullptr);
    const auto watches = Watches(*saver);
    const auto firstSeen = std::find_if(watches.begin(), watches.end(),
                                        [](const wintest::RelayCall& watch) { return watch.result.value_or(0) != 0; });
    EXPECT_EQ(std::count_if(firstSeen, watches.end(),
                            [](const wintest::RelayCall& watch) { return watch.result.value_or(1) == 0; }),
              1)
        << "the session must end at the first watch without the window";
    EXPECT_EQ(watches.back().result, std::optional<uint32_t>(0));
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
// small program under the renderer's file name that waits for the test's word.
class SaverWithStandInRenderer : public SaverSession {
  protected:
    void SetUp() override {
        SaverSession::SetUp();
        ASSERT_TRUE(CopyFileA(RENDERER_STANDIN_PATH, (folder_ + "\\Vaporquill.dll").c_str(), FALSE));
        goOn_ = CreateEventA(nullptr, TRUE, FALSE, "VqStandInGoOn");
        ASSERT_NE(goOn_, nullptr);
        ResetEvent(goOn_);
    }
    void TearDown() override {
        SetEnvironmentVariableA("VQ_STANDIN_MODE", nullptr);
        if (goOn_) CloseHandle(goOn_);
        SaverSession::TearDown();
    }
    HANDLE goOn_ = nullptr;
};

TEST_F(SaverWithStandInRenderer, SessionWaitsForARendererWhoseWindowComesLate) {
    SetEnvironmentVariableA("VQ_STANDIN_MODE", "slow-window");
    auto saver = StartSaver("/s");
    ASSERT_TRUE(saver.has_value());
    const FoundProcess standIn(WaitForChildProcess(saver->id(), kWindowAppearsMs));
    ASSERT_TRUE(standIn.found()) << "the saver started no renderer";
    // Four watches find no window while the renderer lives; each would have ended a session
    // that gave up on it.
    ASSERT_TRUE(WaitForWatches(*saver, 4)) << "the session gave up on its renderer";
    ASSERT_TRUE(saver->IsRunning()) << "the session gave up on its renderer";

    SetEvent(goOn_);
    const HWND renderer = wintest::WaitForWindow(kRendererTitle, kWindowAppearsMs);
    ASSERT_NE(renderer, nullptr);
    const size_t before = Watches(*saver).size();
    ASSERT_TRUE(WaitForWatches(*saver, before + 2));
    EXPECT_NE(Watches(*saver).back().result.value_or(0), 0u) << "the watch did not find the late window";
    EXPECT_TRUE(saver->IsRunning());
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());
}

TEST_F(SaverWithStandInRenderer, SessionEndsWhenTheRendererDiesWithoutAWindow) {
    SetEnvironmentVariableA("VQ_STANDIN_MODE", "no-window");
    auto saver = StartSaver("/s");
    ASSERT_TRUE(saver.has_value());
    const FoundProcess standIn(WaitForChildProcess(saver->id(), kWindowAppearsMs));
    ASSERT_TRUE(standIn.found()) << "the saver started no renderer";
    ASSERT_TRUE(WaitForWatches(*saver, 2));
    ASSERT_TRUE(saver->IsRunning()) << "the session gave up on a live renderer";

    SetEvent(goOn_);
    ASSERT_TRUE(standIn.WaitExit(kProgramEndsMs));
    const size_t watchesAtDeath = Watches(*saver).size();
    ASSERT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());
    // The first watch after its renderer's death ends the session, where a live renderer's
    // first window would be waited for 15 s (thirty watches).
    EXPECT_LE(Watches(*saver).size() - watchesAtDeath, 1u);
}

// A session whose settings choose an MP3 file in the pair's folder, with the MCI trace read
// from the test's start.
class Mp3Session : public SaverSession {
  protected:
    void SetUp() override {
        SaverSession::SetUp();
        if (!trace_.available()) GTEST_SKIP() << "run through wine_exec_traced.sh";
        // WINE: MPEGVideo cannot open MP3 files here (no GStreamer decoders installed), so a
        // do-nothing driver stands in for it. Its path must hold no blank: MCI cuts driver names
        // there.
        const std::string driverPath = folder_ + "\\null_mci_driver.dll";
        ASSERT_TRUE(CopyFileA(NULL_MCI_DRIVER_PATH, driverPath.c_str(), FALSE));
        driver_.emplace(driverPath);
        ASSERT_TRUE(driver_->registered());
        open_ = MciTrace::Shown("open \"" + ChooseSongInFolder() + "\" type MPEGVideo Alias MP3Play");
    }
    void TearDown() override {
        driver_.reset();
        SaverSession::TearDown();
    }

    // The saver with its renderer flying; the renderer is ended with the test if still there.
    struct Running {
        std::optional<wintest::ChildProcess> saver;
        HWND renderer = nullptr;
        std::unique_ptr<FoundProcess> rendererProcess;
    };
    void StartFlying(Running& run) {
        run.saver = StartSaver("/s");
        ASSERT_TRUE(run.saver.has_value());
        run.renderer = wintest::WaitForWindow(kRendererTitle, kWindowAppearsMs);
        ASSERT_NE(run.renderer, nullptr);
        run.rendererProcess = std::make_unique<FoundProcess>(run.renderer);
    }

    MciTrace trace_;
    std::optional<mcitest::NullMpegVideoDriver> driver_;
    std::string open_;  // the music's open command, as the trace shows it
};

TEST_F(Mp3Session, Mp3MusicIsOpenedAndPlayedAndAtTheEndStoppedAndClosed) {
    Running run;
    StartFlying(run);
    if (HasFatalFailure()) return;
    // A couple of repeat ticks, each of which asks for the music's mode.
    Commands sent = CommandsUntil(trace_, [](const Commands& sent) {
        return std::count(sent.begin(), sent.end(), "status MP3Play mode") >= 2;
    });
    EXPECT_GE(std::count(sent.begin(), sent.end(), "status MP3Play mode"), 2) << "the repeat timer did not look at the music";
    PostMessageA(run.renderer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(run.saver->WaitExit(kProgramEndsMs).has_value());

    const Commands rest = trace_.Take();
    sent.insert(sent.end(), rest.begin(), rest.end());
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(Commands(sent.begin(), sent.begin() + 2), (Commands{open_, "play MP3Play"}));
    EXPECT_EQ(Commands(sent.end() - 2, sent.end()), (Commands{"stop MP3Play", "close MP3Play"}));
}

// The music sleeps with the display: the notification that it went off ends the music as the
// session's end does, the one that it came back starts it again as the load does, and however
// often it goes off and on, at most one device is open, and none after the end.
TEST_F(Mp3Session, Mp3MusicEndsWhileTheDisplayIsOffAndStartsAgainWhenItShows) {
    // WINE: Wine sends no power notifications of its own, so the test sends the saver's form
    // the one the system would send.
    Running run;
    StartFlying(run);
    if (HasFatalFailure()) return;
    auto& saver = run.saver;
    const HWND session = wintest::WaitForWindow(kSaverTitle, kWindowAppearsMs);
    ASSERT_NE(session, nullptr);
    Commands sent = CommandsUntil(trace_, [](const Commands& sent) { return sent.size() >= 2; });
    ASSERT_EQ(sent, (Commands{open_, "play MP3Play"}));

    const auto display = [&](DWORD state) {
        return wintest::SendPowerSetting(saver->handle(), session, common::kConsoleDisplayStateGuid, state);
    };
    ASSERT_TRUE(display(0));
    // Three renderer watches after it (1.5 s): time for repeat ticks, had the timer run on.
    const size_t watches = Watches(*saver).size();
    ASSERT_TRUE(WaitForWatches(*saver, watches + 3));
    EXPECT_EQ(trace_.Take(), (Commands{"stop MP3Play", "close MP3Play"})) << "the dark ends the music, and its timer";
    ASSERT_TRUE(display(2)) << "dimmed";
    ASSERT_TRUE(display(1));
    EXPECT_EQ(CommandsUntil(trace_, [](const Commands& sent) { return sent.size() >= 2; }),
              (Commands{open_, "play MP3Play"}))
        << "a dimmed display still slept; the one that shows starts the music from its beginning";

    for (int time = 0; time < 10; ++time) {
        ASSERT_TRUE(display(0));
        ASSERT_TRUE(display(1));
    }
    PostMessageA(run.renderer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(saver->WaitExit(kProgramEndsMs).has_value());
    int openDevices = 1;  // the music the display's return started
    int mostOpen = 1;
    for (const std::string& command : trace_.Take()) {
        if (command == open_) ++openDevices;
        if (command == "close MP3Play") --openDevices;
        mostOpen = std::max(mostOpen, openDevices);
    }
    EXPECT_LE(mostOpen, 1);
    EXPECT_EQ(openDevices, 0) << "every open closed, the last by the end";
}

// A computer whose plan says "sleep after 30 minutes" sleeps while the saver runs: over a whole
// session with music, the settings dialog and the preview, neither program asks the system to
// stay awake or to keep the display on.
TEST_F(Mp3Session, NeitherProgramAsksTheSystemToStayAwake) {
    std::vector<DWORD> traced;
    Running run;
    StartFlying(run);
    if (HasFatalFailure()) return;
    traced.push_back(run.saver->id());
    const DWORD rendererId = wintest::WindowProcessId(run.renderer);
    traced.push_back(rendererId);
    // The music played, and kept being repeated, and the flight was drawn.
    CommandsUntil(trace_, [](const Commands& sent) {
        return std::count(sent.begin(), sent.end(), "status MP3Play mode") >= 2;
    });
    ASSERT_TRUE(wintest::PumpUntil([&] { return relay_.Calls(rendererId, "gdi32.SwapBuffers").size() >= 30; },
                                   kProgramEndsMs))
        << "the renderer's frames are not in the trace: it would not show its calls either";
    PostMessageA(run.renderer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(run.saver->WaitExit(kProgramEndsMs).has_value());

    auto dialog = StartSaver("/c");
    ASSERT_TRUE(dialog.has_value());
    traced.push_back(dialog->id());
    const HWND dialogWindow = wintest::WaitForWindow("<Vaporquill>", kWindowAppearsMs);
    ASSERT_NE(dialogWindow, nullptr);
    ASSERT_TRUE(wintest::PumpUntil([&] { return IsWindowVisible(dialogWindow) != FALSE; }, kWindowAppearsMs));
    PostMessageA(dialogWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(dialog->WaitExit(kProgramEndsMs).has_value());

    TestWindow host("Display settings preview", /*visible*/ true);
    auto preview = StartSaver("/p " + host.NumberText());
    ASSERT_TRUE(preview.has_value());
    traced.push_back(preview->id());
    ASSERT_TRUE(wintest::PumpUntil([&] { return FindWindowExA(host.get(), nullptr, nullptr, "Preview Window") != nullptr; },
                                   kWindowAppearsMs));
    host.Destroy();
    ASSERT_TRUE(preview->WaitExit(kProgramEndsMs).has_value());

    for (const DWORD process : traced) {
        if (process != rendererId) {
            EXPECT_FALSE(relay_.Calls(process, "user32.FindWindowA").empty())
                << "process " << process << " is not in the trace: its calls would not show either";
        }
        for (const char* call : kStayAwakeCalls) {
            // WINE: the trace names a module as its export table does, in either case.
            for (const char* module : {"KERNEL32.", "kernel32.", "KERNELBASE.", "kernelbase.", "USER32.", "user32."}) {
                EXPECT_TRUE(relay_.Calls(process, module + std::string(call)).empty())
                    << "process " << process << " called " << module << call;
            }
        }
    }
}

// The pair installed in a folder whose name ends in 表, whose second byte in code page 932 is
// "\\": the program's folder, the renderer beside it, the settings file and a music file in it
// are all found only when paths are split by characters, not bytes.
class ShiftJisFolder : public SaverSession {
  protected:
    std::string InstallFolderName() const override { return wintest::Narrow(L"雲表"); }
};

TEST_F(ShiftJisFolder, RunsASaverSessionWithItsSettingsAndRenderer) {
    MciTrace trace;
    ASSERT_TRUE(trace.available());
    const std::string song = ChooseSongInFolder();

    auto saver = StartSaver("/s");
    ASSERT_TRUE(saver.has_value());
    const HWND renderer = wintest::WaitForWindow(kRendererTitle, kWindowAppearsMs);
    ASSERT_NE(renderer, nullptr) << "the renderer beside the program was not started";
    FoundProcess rendererProcess(renderer);
    EXPECT_EQ(wintest::ReadFileBytes(kTextureFile).value_or("").size(), 49206u);
    // The settings beside the program were read and the music file in the folder was found.
    const Commands sent = CommandsUntil(trace, [](const Commands& sent) { return !sent.empty(); });
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), MciTrace::Shown("open \"" + song + "\" type MPEGVideo Alias MP3Play"));

    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(rendererProcess.WaitExit(kProgramEndsMs));
    EXPECT_TRUE(saver->WaitExit(kProgramEndsMs).has_value()) << "the session outlived its renderer";
}

TEST_F(ShiftJisFolder, OpensTheSettingsDialogAndEndsWhenItCloses) {
    auto program = StartSaver("/c");
    ASSERT_TRUE(program.has_value());
    const HWND dialog = wintest::WaitForWindow("<Vaporquill>", kWindowAppearsMs);
    ASSERT_NE(dialog, nullptr) << "no dialog: the renderer beside the program was not found";
    EXPECT_EQ(wintest::WindowProcessId(dialog), program->id());
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program->WaitExit(kProgramEndsMs).has_value()) << "closing the dialog ends the program";
}

}  // namespace
