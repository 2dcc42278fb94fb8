// The form host on the real platform, in this test's own process under Wine: handler
// order, timers that wait one interval and never interrupt a handler, modal showing,
// forms that go with their parent window, and the services a saver session uses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/form_win32.h"
#include "host/host_services_win32.h"
#include "testing/wintest/wintest.h"

namespace {

using Log = std::vector<std::string>;

// Generous bounds for a slow, loaded machine.
constexpr DWORD kGenerousMs = 30000;
// SetTimer's granularity: a tick may come this much before its due time.
constexpr DWORD kTimerSlackMs = 20;

host::FormHandlers LoggingHandlers(Log& log, bool cancelUnload = false) {
    return host::FormHandlers{
        [&log] { log.push_back("load"); }, nullptr,
        [&log, cancelUnload](host::UnloadReason reason) {
            log.push_back(reason == host::UnloadReason::SessionEnd ? "queryUnload(session)" : "queryUnload");
            return cancelUnload;
        },
        [&log] { log.push_back("unload"); }};
}

// Runs a message loop, as the program does, until done() or the time is up.
bool RunUntil(const std::function<bool()>& done, DWORD timeoutMs) { return wintest::PumpUntil(done, timeoutMs); }


class FormHostTest : public testing::Test {
  protected:
    host::FormHost host_{GetModuleHandleA(nullptr)};
};

TEST_F(FormHostTest, LoadingCreatesAHiddenTitledWindowAndRunsTheLoadHandler) {
    Log log;
    host::Form form(host_, "VqTest_Hidden", host::FormLook{}, LoggingHandlers(log));
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(FindWindowA(nullptr, "VqTest_Hidden"), form.window());
    EXPECT_FALSE(IsWindowVisible(form.window()));
    EXPECT_EQ(host_.loadedFormCount(), 1);
    EXPECT_EQ(log, (Log{"load"}));
}

TEST_F(FormHostTest, ACloseRunsQueryUnloadThenUnloadAndTheProgramLoopEnds) {
    Log log;
    host::Form form(host_, "VqTest_Close", host::FormLook{}, LoggingHandlers(log));
    form.Show();
    PostMessageA(form.window(), WM_CLOSE, 0, 0);
    host_.RunWhileFormsLoaded();  // returns once no form is loaded
    EXPECT_EQ(log, (Log{"load", "queryUnload", "unload"}));
    EXPECT_FALSE(FindWindowA(nullptr, "VqTest_Close"));
}

TEST_F(FormHostTest, ACancelledCloseKeepsTheForm) {
    Log log;
    host::Form form(host_, "VqTest_Cancel", host::FormLook{}, LoggingHandlers(log, /*cancel*/ true));
    form.Load();
    SendMessageA(form.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(IsWindow(form.window()));
    EXPECT_EQ(log, (Log{"load", "queryUnload"}));
}

TEST_F(FormHostTest, TheSystemEndingTheSessionAsksThenUnloads) {
    Log log;
    host::Form form(host_, "VqTest_Session", host::FormLook{}, LoggingHandlers(log));
    form.Load();
    EXPECT_TRUE(SendMessageA(form.window(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_TRUE(form.IsLoaded());
    SendMessageA(form.window(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(log, (Log{"load", "queryUnload(session)", "unload"}));
}

TEST_F(FormHostTest, AFormDestroyedWithItsParentUnloadsAndEndsTheProgramLoop) {
    Log log;
    host::Form parent(host_, "VqTest_Parent", host::FormLook{}, host::FormHandlers{});
    host::Form child(host_, "VqTest_Child", host::FormLook{false, RGB(0, 0, 0), 50, 50}, LoggingHandlers(log));
    parent.Show();
    child.Load();
    // A borderless form is frameless and no popup, so WS_CHILD alone makes it a proper child.
    RECT outer{};
    GetWindowRect(child.window(), &outer);
    EXPECT_EQ(outer.right - outer.left, 50);
    EXPECT_EQ(outer.bottom - outer.top, 50);
    SetWindowLongA(child.window(), GWL_STYLE, GetWindowLongA(child.window(), GWL_STYLE) | WS_CHILD);
    SetParent(child.window(), parent.window());
    EXPECT_EQ(GetParent(child.window()), parent.window());
    DestroyWindow(parent.window());
    EXPECT_FALSE(child.IsLoaded());
    EXPECT_EQ(log, (Log{"load", "unload"}));
    host_.RunWhileFormsLoaded();
    EXPECT_EQ(host_.loadedFormCount(), 0);
}

// Runs the message loop for as long as an enabled witness timer of the same interval takes
// to tick three times more: a timer that should be silent has had as many chances to tick,
// however slowly a loaded machine delivers them.
bool RunWhileWitnessTicksThrice(const int& witnessTicks) {
    const int until = witnessTicks + 3;
    return RunUntil([&] { return witnessTicks >= until; }, kGenerousMs);
}

TEST_F(FormHostTest, TheFirstTickComesOneIntervalAfterEnabling) {
    host::Form form(host_, "VqTest_Timer", host::FormLook{}, host::FormHandlers{});
    std::vector<DWORD> tickTimes;
    host::HostTimer& timer = form.AddTimer(300, false, [&] { tickTimes.push_back(GetTickCount()); });
    int witnessTicks = 0;
    form.AddTimer(300, true, [&] { ++witnessTicks; });
    form.Load();
    ASSERT_TRUE(RunWhileWitnessTicksThrice(witnessTicks));
    EXPECT_TRUE(tickTimes.empty()) << "a disabled timer ticked";

    const DWORD enabledAt = GetTickCount();
    EXPECT_TRUE(timer.SetEnabled(true));
    ASSERT_TRUE(RunUntil([&] { return tickTimes.size() >= 2; }, kGenerousMs));
    EXPECT_GE(tickTimes[0] - enabledAt + kTimerSlackMs, 300u);
    EXPECT_GE(tickTimes[1] - tickTimes[0] + kTimerSlackMs, 300u);

    timer.SetEnabled(false);
    const size_t ticksWhenDisabled = tickTimes.size();
    ASSERT_TRUE(RunWhileWitnessTicksThrice(witnessTicks));
    EXPECT_EQ(tickTimes.size(), ticksWhenDisabled) << "a disabled timer ticked";
}

// Counts the ticks of a plain thread timer, which no handler gate holds back.
int ungatedTicks = 0;
void CALLBACK CountUngatedTick(HWND, UINT, UINT_PTR, DWORD) { ++ungatedTicks; }

TEST_F(FormHostTest, TicksNeverInterruptAHandlerThatWaitsInAMessageLoop) {
    host::Form form(host_, "VqTest_Busy", host::FormLook{}, host::FormHandlers{});
    Log log;
    bool handlerRunning = false;
    form.AddTimer(50, true, [&] { log.push_back(handlerRunning ? "tick inside handler" : "tick"); });
    form.Load();
    host::Form busy(host_, "VqTest_BusyHandler", host::FormLook{},
              host::FormHandlers{[&] {
                  // A load handler that pumps messages, as a message box would, for as long as
                  // an ungated timer of the same interval takes to tick three times: the form's
                  // timer has had as many chances to slip in.
                  handlerRunning = true;
                  ungatedTicks = 0;
                  const UINT_PTR witness = SetTimer(nullptr, 0, 50, CountUngatedTick);
                  ASSERT_NE(witness, 0u);
                  EXPECT_TRUE(RunUntil([] { return ungatedTicks >= 3; }, kGenerousMs));
                  KillTimer(nullptr, witness);
                  handlerRunning = false;
              }, nullptr, nullptr, nullptr});
    busy.Load();
    ASSERT_TRUE(RunUntil([&] { return !log.empty(); }, kGenerousMs));
    for (const std::string& entry : log) EXPECT_EQ(entry, "tick");
}

TEST_F(FormHostTest, AModalFormRunsItsOwnTimerAndReturnsWhenItUnloads) {
    Log log;
    host::Form* modalForm = nullptr;
    host::Form modal(host_, "VqTest_Modal", host::FormLook{true, RGB(128, 128, 128), 200, 100}, LoggingHandlers(log));
    modalForm = &modal;
    int ticks = 0;
    modal.AddTimer(50, true, [&] {
        if (++ticks == 3) modalForm->Unload();
    });
    host::Form opener(host_, "VqTest_Opener", host::FormLook{}, host::FormHandlers{});
    opener.Show();
    {
        host::HandlerGate::HandlerScope showingHandler(host_.gate());  // shown from a handler
        modal.ShowModal();
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(log, (Log{"load", "queryUnload", "unload"}));
    EXPECT_TRUE(IsWindowEnabled(opener.window())) << "the other form is enabled again";
}

TEST_F(FormHostTest, TheHourglassCoversTheFormsUntilTheDefaultPointerReturns) {
    host::Form form(host_, "VqTest_Pointer", host::FormLook{true, RGB(0, 0, 0), 100, 50}, host::FormHandlers{});
    form.Show();
    host_.SetScreenPointer(host::ScreenPointer::Hourglass);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    SendMessageA(form.window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
    host_.SetScreenPointer(host::ScreenPointer::Default);
    SendMessageA(form.window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}

// --- Services -------------------------------------------------------------------------------

TEST(HostServices, AStoredPictureIsWrittenAsItsBitmapFileReplacingAnOldOne) {
    host::StoredPicture picture;
    picture.width = 2;
    picture.height = 2;
    picture.bgrRowsBottomUp = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    CreateDirectoryA("C:\\vqtest", nullptr);
    const std::string path = "C:\\vqtest\\picture.bmp";
    ASSERT_TRUE(wintest::WriteFileBytes(path, std::string(100000, 'x')));
    ASSERT_TRUE(host::WritePictureFile(picture, path));
    EXPECT_EQ(wintest::ReadFileBytes(path), host::BitmapFileOf(picture));
    DeleteFileA(path.c_str());
}

TEST(HostServices, StartsAProgramByItsFullPathWithBlanksWhateverItsFileNameEnding) {
    const std::string folder = "C:\\vqtest\\with blank";
    CreateDirectoryA("C:\\vqtest", nullptr);
    wintest::DeleteTree(folder);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string program = folder + "\\Vaporquill.dll";
    std::string probe = PROBE_PATH;  // a program that ends with the code page as exit code
    for (char& c : probe) if (c == '/') c = '\\';
    ASSERT_TRUE(CopyFileA(("Z:" + probe).c_str(), program.c_str(), FALSE));
    auto started = host::StartProgram(program);
    ASSERT_TRUE(started.has_value());
    EXPECT_NE(started->processId(), 0u);
    ASSERT_EQ(WaitForSingleObject(started->process(), kGenerousMs), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    GetExitCodeProcess(started->process(), &exitCode);
    EXPECT_EQ(exitCode, 932u) << "the program at the path did not run";
    EXPECT_FALSE(started->IsRunning());
    wintest::DeleteTree(folder);
}

TEST(HostServices, NothingStartsForAMissingProgram) {
    EXPECT_FALSE(host::StartProgram("C:\\vqtest\\no such folder\\Vaporquill.dll").has_value());
}

// The argument text a program started with a given command line reads, through a probe
// that writes ArgumentText() (UTF-16) to the file VQ_ARGUMENT_TEXT_FILE names.
struct ArgumentCase {
    const char* name;
    const char* folder;     // where the probe is installed (ANSI)
    const char* before;     // the command line up to the probe's folder
    const char* after;      // from the probe's file name on
    const wchar_t* expected;
};

class ArgumentTextOfAProgram : public testing::TestWithParam<ArgumentCase> {};

TEST_P(ArgumentTextOfAProgram, IsWhatFollowsItsPath) {
    const ArgumentCase& c = GetParam();
    CreateDirectoryA("C:\\vqtest", nullptr);
    wintest::DeleteTree(c.folder);
    ASSERT_TRUE(CreateDirectoryA(c.folder, nullptr));
    std::string probe = ARGUMENT_PROBE_PATH;
    for (char& ch : probe) if (ch == '/') ch = '\\';
    ASSERT_TRUE(CopyFileA(("Z:" + probe).c_str(), (std::string(c.folder) + "\\probe.exe").c_str(), FALSE));
    const std::string output = "C:\\vqtest\\argument_text.bin";
    DeleteFileA(output.c_str());
    SetEnvironmentVariableA("VQ_ARGUMENT_TEXT_FILE", output.c_str());
    auto program = wintest::ChildProcess::Start(std::string(c.before) + c.folder + c.after);
    SetEnvironmentVariableA("VQ_ARGUMENT_TEXT_FILE", nullptr);
    ASSERT_TRUE(program.has_value());
    ASSERT_EQ(program->WaitExit(kGenerousMs), std::optional<DWORD>(0));
    const std::string bytes = wintest::ReadFileBytes(output).value_or("?");
    const std::wstring seen(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    EXPECT_EQ(seen, c.expected) << wintest::Utf8(seen);
    wintest::DeleteTree(c.folder);
}

// What the system's own command line brings: a quoted path with a blank, Japanese text, and a
// path whose two-byte character ends in "\" (code page 932's 表, "\x95\x5C"). The forms of
// the text are the native table's (command_line_test).
INSTANTIATE_TEST_SUITE_P(CommandLines, ArgumentTextOfAProgram, testing::Values(
    ArgumentCase{"QuotedPathWithBlank", "C:\\vqtest\\with blank", "\"", "\\probe.exe\" /s", L"/s"},
    ArgumentCase{"JapaneseArgument", "C:\\vqtest\\plain", "", "\\probe.exe /c:\x95\x5C", L"/c:\u8868"},
    ArgumentCase{"TrailByteBackslashInUnquotedPath", "C:\\vqtest\\\x95\x5C", "", "\\probe.exe -s", L"-s"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
