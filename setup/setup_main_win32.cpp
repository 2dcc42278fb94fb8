// Vaporquill-Setup: installs the pair for the user who runs it, or removes it again.
// The run: read the switches; refuse while the saver runs; look at what is there; plan and
// carry out the files, then the registry, all or nothing; tidy up; then (unless quiet) tell
// the user and open the screen saver settings. The exit code tells what happened.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "setup/install_plan.h"
#include "setup/payload_win32.h"
#include "setup/setup_messages.h"
#include "setup/setup_result.h"
#include "setup/setup_run.h"
#include "setup/step_port_win32.h"
#include "setup/system_state_win32.h"

#ifndef VQ_VERSION
#error "VQ_VERSION must name the version (from VERSION)"
#endif

namespace setup {
namespace {

#define VQ_WIDEN2(text) L##text
#define VQ_WIDEN(text) VQ_WIDEN2(text)
constexpr wchar_t kVersion[] = VQ_WIDEN(VQ_VERSION);

std::vector<std::wstring> Arguments() {
    std::vector<std::wstring> arguments;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(words[i]);
    LocalFree(words);
    return arguments;
}

int Show(const SetupMessage& message) {
    UINT style = MB_SETFOREGROUND;
    switch (message.kind) {
        case SetupMessage::Kind::Information: style |= MB_OK | MB_ICONINFORMATION; break;
        case SetupMessage::Kind::Error: style |= MB_OK | MB_ICONERROR; break;
        case SetupMessage::Kind::Question: style |= MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2; break;
    }
    return MessageBoxW(nullptr, message.text.c_str(), message.caption.c_str(), style);
}

// The system's live setting follows the value just written, and open windows hear of it.
void AnnounceSaverActive(const std::optional<std::wstring>& active) {
    const BOOL on = active && *active == L"1";
    // Skipped by design: the registry already holds the choice; the announcement only spares
    // a sign-out.
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, on, nullptr, SPIF_SENDCHANGE);
}

void OpenScreenSaverSettings() {
    // Skipped by design: without the panel the user still has the message; nothing to undo.
    ShellExecuteW(nullptr, L"open", L"control.exe", L"desk.cpl,,@screensaver", nullptr, SW_SHOWNORMAL);
}

int Run() {
    const ParsedCommand parsed = ParseSetupCommand(Arguments());
    const SetupCommand& command = parsed.command;
    const Language language = LanguageFor(GetUserDefaultUILanguage());
    const std::wstring selfPath = SelfPath();
    const std::optional<InstallLayout> layout = LayoutFor(LocalAppDataFolder());
    std::optional<ObservedState> state;
    if (layout) state = ObserveState(*layout, selfPath);

    MessageFacts facts{command.action, layout ? layout->folder : L"", L"", true};
    const RunFacts runFacts{SaverWindowOpen(), layout.has_value(), state && IsInstalled(*state)};
    if (const auto refusal = RefusalFor(parsed, runFacts)) {
        facts.detail = parsed.unknownArgument.value_or(L"");
        if (!command.quiet) Show(MessageFor(*refusal, facts, language));
        return static_cast<int>(*refusal);
    }
    if (command.action == SetupAction::Uninstall && !command.quiet &&
        Show(UninstallQuestion(layout->folder, language)) != IDYES) {
        return static_cast<int>(SetupResult::Cancelled);
    }
    DeleteEndedParkedCopies(*layout);
    const Payloads payloads(selfPath);
    Win32SetupPort port(payloads);
    const RunOutcome outcome = command.action == SetupAction::Install
                                   ? RunInstall(*state, EntryFacts{kVersion, payloads.TotalSize()}, port)
                                   : RunUninstall(*state, ParkingPathFor(*layout), port);
    if (outcome.desktopAfter) AnnounceSaverActive(outcome.desktopAfter->active);
    if (!command.quiet) {
        facts.detail = outcome.reason;
        facts.undoneWhole = outcome.undoneWhole;
        Show(MessageFor(outcome.result, facts, language));
        if (outcome.result == SetupResult::Done && command.action == SetupAction::Install) OpenScreenSaverSettings();
    }
    return static_cast<int>(outcome.result);
}

}  // namespace
}  // namespace setup

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return setup::Run(); }
