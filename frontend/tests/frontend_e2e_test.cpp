// The screen saver program under Wine with code page 932: every start mode, the refusal
// of a second start, the message for a missing renderer file, and what each mode hands over
// to: the settings dialog that keeps the program until it closes, the hidden session form,
// the preview inside its host window as another program sees it (the preview form's pixels:
// preview_form_e2e_test).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/tests/test_window.h"
#include "testing/wintest/relay_trace.h"
#include "testing/wintest/wintest.h"

namespace {

// Generous bounds for a slow, loaded machine.
constexpr DWORD kWindowAppearsMs = 30000;
constexpr DWORD kProgramEndsMs = 30000;

const wchar_t* const kRendererMissingText = L"Vaporquill.dll が同じﾌｫﾙﾀﾞに見つかりません！";
const char* const kExchangeFolder = "C:\\q_vosk";

bool WaitPumping(const std::function<bool()>& done, DWORD timeoutMs) { return wintest::PumpUntil(done, timeoutMs); }

std::string InstallWithRendererFile(const std::string& name) {
    const std::string folder = wintest::InstallPairTo(name, /*withRenderer*/ false);
    // The start routine only opens the renderer file; any file will do.
    wintest::WriteFileBytes(folder + "\\Vaporquill.dll", "renderer stand-in");
    return folder;
}

std::optional<wintest::ChildProcess> StartSaver(const std::string& folder, const std::string& arguments) {
    std::string commandLine = "\"" + folder + "\\Vaporquill.scr\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    return wintest::ChildProcess::Start(commandLine, folder);
}

class FrontEnd : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the test must run under code page 932";
        ASSERT_FALSE(FindWindowA(nullptr, "Cirrovance_Main")) << "a session of another test is still running";
        ASSERT_FALSE(FindWindowA(nullptr, "<Vaporquill>"));
        wintest::DeleteTree(kExchangeFolder);
    }
};

// --- The renderer file is missing --------------------------------------------------------

TEST_F(FrontEnd, AMissingRendererShowsTheMessageAndEndsWithoutOpeningAMode) {
    const std::string folder = wintest::InstallPairTo("renderer_missing", /*withRenderer*/ false);
    auto program = StartSaver(folder, "/c");
    ASSERT_TRUE(program.has_value());
    const auto box = wintest::WaitForMessageBox(program->id(), kWindowAppearsMs);
    ASSERT_TRUE(box.has_value()) << "no message box";
    EXPECT_EQ(box->caption, L"Vaporquill (Screen Saver)");
    EXPECT_EQ(box->text, kRendererMissingText) << wintest::Utf8(box->text);
    EXPECT_EQ(box->buttons.size(), 1u) << "OK only";
    EXPECT_FALSE(box->hasIcon);
    EXPECT_FALSE(FindWindowA(nullptr, "<Vaporquill>")) << "no dialog behind the message";
    EXPECT_FALSE(FindWindowA(nullptr, "Cirrovance_Main")) << "no session behind the message";
    EXPECT_TRUE(wintest::FileExists(kExchangeFolder)) << "the folder is made before the check";
    ASSERT_TRUE(wintest::DismissMessageBox(*box));
    EXPECT_TRUE(program->WaitExit(kProgramEndsMs).has_value()) << "the program did not end";
}

TEST_F(FrontEnd, ThePreviewDoesNotLookForTheRenderer) {
    const std::string folder = wintest::InstallPairTo("preview_no_renderer", /*withRenderer*/ false);
    TestWindow host("Display settings preview", /*visible*/ true);
    auto program = StartSaver(folder, "/p " + host.NumberText());
    ASSERT_TRUE(program.has_value());
    HWND preview = nullptr;
    EXPECT_TRUE(WaitPumping([&] { return (preview = FindWindowExA(host.get(), nullptr, nullptr, "Preview Window")) != nullptr; },
                            kWindowAppearsMs));
    // Once the program waits for input with nothing left to do, any message box it was going
    // to show is up: one look is enough.
    ASSERT_EQ(WaitForInputIdle(program->handle(), kWindowAppearsMs), 0u);
    EXPECT_FALSE(wintest::WaitForMessageBox(program->id(), 0).has_value());
    EXPECT_FALSE(wintest::FileExists(kExchangeFolder)) << "the preview makes no folder";
}

// --- Another instance is open -------------------------------------------------------------

struct InstanceCase { const char* openTitle; const char* arguments; };
class AnotherInstance : public FrontEnd, public testing::WithParamInterface<InstanceCase> {};

TEST_P(AnotherInstance, EndsEveryStartAtOnce) {
    // Without a renderer file any start that went on would stop at the message box.
    const std::string folder = wintest::InstallPairTo("another_instance", /*withRenderer*/ false);
    TestWindow previewHost("Display settings preview", /*visible*/ true);
    TestWindow running(GetParam().openTitle, /*visible*/ false);
    std::string arguments = GetParam().arguments;
    if (arguments == "/p") arguments += " " + previewHost.NumberText();

    auto program = StartSaver(folder, arguments);
    ASSERT_TRUE(program.has_value());
    EXPECT_TRUE(WaitPumping([&] { return !program->IsRunning(); }, kProgramEndsMs)) << "it did not end";
    EXPECT_FALSE(FindWindowExA(previewHost.get(), nullptr, nullptr, "Preview Window"));
    EXPECT_FALSE(wintest::FileExists(kExchangeFolder)) << "it ended before making the folder";
}

// One start per window looked for; which starts each refuses is the start-up's native table.
INSTANTIATE_TEST_SUITE_P(Titles, AnotherInstance, testing::Values(
    InstanceCase{"<Vaporquill>", "/p"}, InstanceCase{"Cirrovance_Main", "/s"}));

// --- Unrecognised switches ------------------------------------------------------------------

TEST_F(FrontEnd, AnUnrecognisedSwitchEndsAfterMakingTheExchangeFolder) {
    const std::string folder = InstallWithRendererFile("unrecognised");
    auto program = StartSaver(folder, "/a");
    ASSERT_TRUE(program.has_value());
    EXPECT_TRUE(program->WaitExit(kProgramEndsMs).has_value()) << "it did not end";
    EXPECT_TRUE(wintest::FileExists(kExchangeFolder));
}

// --- Settings mode ----------------------------------------------------------------------------

TEST_F(FrontEnd, SettingsModeShowsTheDialogWithoutOwnerAndEndsWhenItCloses) {
    const std::string folder = InstallWithRendererFile("settings_mode");
    auto program = StartSaver(folder, "/c:1234");
    ASSERT_TRUE(program.has_value());
    HWND dialog = wintest::WaitForWindow("<Vaporquill>", kWindowAppearsMs);
    ASSERT_TRUE(dialog) << "no dialog";
    EXPECT_EQ(wintest::WindowProcessId(dialog), program->id());
    EXPECT_FALSE(GetWindow(dialog, GW_OWNER));
    // The window exists, hidden, a moment before it is shown.
    EXPECT_TRUE(WaitPumping([&] { return IsWindowVisible(dialog) != FALSE; }, kWindowAppearsMs));
    EXPECT_TRUE(wintest::FileExists(kExchangeFolder));

    auto second = StartSaver(folder, "/s");
    ASSERT_TRUE(second.has_value());
    EXPECT_TRUE(second->WaitExit(kProgramEndsMs).has_value()) << "a second start must end at once";

    EXPECT_TRUE(program->IsRunning()) << "the dialog keeps the program alive";
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program->WaitExit(kProgramEndsMs).has_value()) << "closing the dialog ends the program";
}

// --- Saver mode ---------------------------------------------------------------------------------

// The renderer watches the session made so far: its lookups of the renderer's window title.
std::vector<wintest::RelayCall> RendererWatches(const wintest::RelayTrace& trace, DWORD processId) {
    return trace.Calls(processId, "user32.FindWindowA", "\"Cirrovance_Tunnel\"");
}

TEST_F(FrontEnd, SaverModeLoadsTheHiddenSessionFormThatEndsOnceTheRendererWindowIsGone) {
    wintest::RelayTrace trace("user32.FindWindowA");
    ASSERT_TRUE(trace.available()) << "run through wine_exec_traced.sh: the watches are read from Wine's trace";
    const std::string folder = InstallWithRendererFile("saver_mode");
    TestWindow renderer("Cirrovance_Tunnel", /*visible*/ false);
    auto program = trace.Start("\"" + folder + "\\Vaporquill.scr\" /s", folder);
    ASSERT_TRUE(program.has_value());
    HWND session = wintest::WaitForWindow("Cirrovance_Main", kWindowAppearsMs);
    ASSERT_TRUE(session) << "no session form";
    EXPECT_EQ(wintest::WindowProcessId(session), program->id());
    EXPECT_FALSE(IsWindowVisible(session));
    // Three watches that found the window: each would have ended a session that ends wrongly.
    ASSERT_TRUE(WaitPumping([&] { return RendererWatches(trace, program->id()).size() >= 3 || !program->IsRunning(); },
                            kProgramEndsMs))
        << "the session did not watch for the renderer";
    ASSERT_TRUE(program->IsRunning()) << "the session ended while the renderer window was there";

    renderer.Destroy();
    EXPECT_TRUE(program->WaitExit(kProgramEndsMs).has_value()) << "the session outlived the renderer window";
    const auto watches = RendererWatches(trace, program->id());
    ASSERT_FALSE(watches.empty());
    for (size_t i = 0; i + 1 < watches.size(); ++i) EXPECT_NE(watches[i].result.value_or(0), 0u) << "watch " << i;
    EXPECT_EQ(watches.back().result, std::optional<uint32_t>(0)) << "the first watch without a window ends it";
}

TEST_F(FrontEnd, TheSystemEndingTheSessionEndsTheSaver) {
    const std::string folder = InstallWithRendererFile("session_end");
    TestWindow renderer("Cirrovance_Tunnel", /*visible*/ false);
    auto program = StartSaver(folder, "/s");
    ASSERT_TRUE(program.has_value());
    HWND session = wintest::WaitForWindow("Cirrovance_Main", kWindowAppearsMs);
    ASSERT_TRUE(session);
    DWORD_PTR answer = 0;
    // The query-unload handler ends the program inside the query, so no answer comes back.
    SendMessageTimeoutA(session, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kProgramEndsMs, &answer);
    EXPECT_TRUE(program->WaitExit(kProgramEndsMs).has_value());
}

// --- Preview mode ---------------------------------------------------------------------------------

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Waits on the process itself, handling the test's own window messages meanwhile (the host
// window is the test's); true once it has ended within the time.
bool WaitForEndPumping(const wintest::ChildProcess& program, DWORD timeoutMs) {
    const double startMs = NowMs();
    HANDLE process = program.handle();
    for (;;) {
        PumpMessages();
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return true;
        const double elapsedMs = NowMs() - startMs;
        if (elapsedMs >= timeoutMs) return false;
        MsgWaitForMultipleObjects(1, &process, FALSE, timeoutMs - static_cast<DWORD>(elapsedMs), QS_ALLINPUT);
    }
}

// Across processes, as the display settings run it; the host sizes and the form's steps are
// preview_form_e2e_test's, in the test's own process.
TEST_F(FrontEnd, PreviewModePutsTheFormIntoTheHostAndEndsWhenTheHostGoes) {
    const int width = 300;
    const int height = 200;
    const std::string folder = InstallWithRendererFile("preview_mode");
    TestWindow host("Display settings preview", /*visible*/ true, width, height);
    auto program = StartSaver(folder, "/p " + host.NumberText());
    ASSERT_TRUE(program.has_value());
    HWND preview = nullptr;
    ASSERT_TRUE(WaitPumping([&] { return (preview = FindWindowExA(host.get(), nullptr, nullptr, "Preview Window")) != nullptr; },
                            kWindowAppearsMs));
    EXPECT_EQ(wintest::WindowProcessId(preview), program->id());
    RECT hostRect{}, previewRect{};
    GetWindowRect(host.get(), &hostRect);
    ASSERT_TRUE(WaitPumping([&] {
        GetWindowRect(preview, &previewRect);
        return IsWindowVisible(preview) && previewRect.right - previewRect.left == width;
    }, kWindowAppearsMs)) << "the preview is not shown at the host's size";
    EXPECT_EQ(GetParent(preview), host.get()) << "a proper child answers with its parent";
    const LONG style = GetWindowLongA(preview, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(previewRect.left, hostRect.left);
    EXPECT_EQ(previewRect.top, hostRect.top);
    EXPECT_EQ(previewRect.bottom - previewRect.top, height);
    RECT client{};
    GetClientRect(preview, &client);
    EXPECT_EQ(client.right, width) << "no border";
    EXPECT_EQ(client.bottom, height) << "no caption";
    EXPECT_FALSE(wintest::FileExists(kExchangeFolder));

    // NOTE: DestroyWindow may return only once the preview's own thread has destroyed the
    // child, so the time runs from before the call.
    const double destroyedAtMs = NowMs();
    host.Destroy();
    ASSERT_TRUE(WaitForEndPumping(*program, kProgramEndsMs)) << "the program outlived its host window";
    const double endedAfterMs = NowMs() - destroyedAtMs;
    RecordProperty("ended_after_host_ms", std::to_string(endedAfterMs));
    std::printf("the program ended %.1f ms after its host window was destroyed\n", endedAfterMs);
}

TEST_F(FrontEnd, APreviewWithoutAHostEndsInsteadOfLingeringUnseen) {
    const std::string folder = InstallWithRendererFile("preview_no_host");
    auto program = StartSaver(folder, "/p 0");
    ASSERT_TRUE(program.has_value());
    EXPECT_TRUE(program->WaitExit(kProgramEndsMs).has_value());
}

}  // namespace
