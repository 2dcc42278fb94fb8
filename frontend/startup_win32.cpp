// The start routine on Win32; see startup_win32.h.
#include "frontend/startup_win32.h"

#include <windows.h>

#include "common/exchange_names.h"
#include "frontend/startup.h"
#include "frontend/window_titles.h"
#include "host/host_services_win32.h"
#include "host/program_files_win32.h"
#include "settings/settings_dialog_win32.h"
#include "settings/settings_file_win32.h"

namespace frontend {

void StartRoutine::Main() {
    const StartChoice choice = ChooseStart(StartFacts{
        FindWindowA(nullptr, common::kSaverFormTitle) != nullptr,
        FindWindowA(nullptr, common::kSettingsDialogTitle) != nullptr,
        host::ArgumentText(),
        host::FileExists(host::ProgramFolder() + common::kRendererFileName),
    });
    if (choice.preparesExchange) {
        // Skipped by design: a folder that exists or cannot be made is passed over.
        host::CreateFolder(common::kExchangeFolder);
        settings::LoadSettings(state_.settings);
    }
    switch (choice.mode) {
        case StartMode::EndAtOnce:
            host::EndProgram();
            return;
        case StartMode::Preview:
            preview_ = std::make_unique<PreviewForm>(host_);
            preview_->ShowPreview(choice.previewHost);
            return;
        case StartMode::RendererMissing:
            host::ShowApplicationMessage(RendererMissingMessage(), kApplicationTitle);
            host::EndProgram();
            return;
        case StartMode::SettingsDialog:
            settings::ShowSettingsDialog(host_, state_.settings, state_.LastResult);
            host::EndProgram();
            return;
        case StartMode::SaverSession:
            if (choice.hidesCursor) ShowCursor(FALSE);
            saver_ = std::make_unique<SaverForm>(host_, state_);
            saver_->Load();
            return;
    }
}

}  // namespace frontend
