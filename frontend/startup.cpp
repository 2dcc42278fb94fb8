// The start routine's decision; see startup.h.
#include "frontend/startup.h"

#include "common/exchange_names.h"
#include "frontend/argument_text.h"

namespace frontend {

static_assert(common::kRendererFileName[0] == '\\', "the renderer's file name is appended with its separator");

std::wstring RendererMissingMessage() {
    // The file name without its leading "\"; plain ASCII, so each byte is its character.
    const std::string fileName = common::kRendererFileName + 1;
    return std::wstring(fileName.begin(), fileName.end()) + L" が同じﾌｫﾙﾀﾞに見つかりません！";
}

StartChoice ChooseStart(const StartFacts& facts) {
    if (facts.sessionRunning || facts.dialogOpen) return StartChoice{};

    const std::wstring switchLetter = SwitchLetterOf(facts.arguments);
    if (switchLetter == L"P") return StartChoice{StartMode::Preview, false, false, PreviewHostOf(facts.arguments)};

    StartChoice choice{StartMode::EndAtOnce, /*preparesExchange*/ true};
    if (!facts.rendererPresent) {
        choice.mode = StartMode::RendererMissing;
    } else if (switchLetter == L"C") {
        choice.mode = StartMode::SettingsDialog;
    } else if (switchLetter == L"S" || facts.arguments.empty()) {
        choice.mode = StartMode::SaverSession;
        choice.hidesCursor = switchLetter == L"S";
    }
    return choice;
}

}  // namespace frontend
