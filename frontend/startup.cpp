// The start routine; see startup.h. Each step that fails is passed over; only the steps
// that say so end the program.
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

void Main(StartupPlatform& platform) {
    // Both titles are asked for before deciding, the preview included.
    const bool sessionRunning = platform.WindowExists(common::kSaverFormTitle);
    const bool dialogOpen = platform.WindowExists(common::kSettingsDialogTitle);
    if (sessionRunning || dialogOpen) {
        platform.EndProgram();
        return;
    }

    const std::wstring arguments = platform.ArgumentText();
    const std::wstring switchLetter = SwitchLetterOf(arguments);
    if (switchLetter == L"P") {
        platform.ShowPreview(PreviewHostOf(arguments));
        return;
    }

    platform.CreateFolder(common::kExchangeFolder);
    platform.LoadSettings();
    if (!platform.FileExists(platform.ProgramFolder() + common::kRendererFileName)) {
        platform.ShowMessage(RendererMissingMessage());
        platform.EndProgram();
        return;
    }

    if (switchLetter == L"C") {
        platform.ShowSettingsDialog();
        platform.EndProgram();
        return;
    }
    if (switchLetter != L"S" && !arguments.empty()) {
        platform.EndProgram();
        return;
    }
    // Only "/s" hides the cursor; the session shows it again for "/s" alone.
    if (switchLetter == L"S") platform.HideCursor();
    platform.LoadSaverForm();
}

}  // namespace frontend
