// The start routine's platform on Win32; see startup_platform_win32.h.
#include "frontend/startup_platform_win32.h"

#include <windows.h>

#include "frontend/window_titles.h"
#include "host/host_services_win32.h"
#include "host/program_files_win32.h"
#include "settings/settings_dialog_win32.h"
#include "settings/settings_file_win32.h"

namespace frontend {

bool StartupPlatformWin32::WindowExists(const char* title) { return FindWindowA(nullptr, title) != nullptr; }

std::wstring StartupPlatformWin32::ArgumentText() { return host::ArgumentText(); }

void StartupPlatformWin32::CreateFolder(const std::string& path) { host::CreateFolder(path); }

void StartupPlatformWin32::LoadSettings() { settings::LoadSettings(state_.settings); }

std::string StartupPlatformWin32::ProgramFolder() { return host::ProgramFolder(); }

bool StartupPlatformWin32::FileExists(const std::string& path) { return host::FileExists(path); }

void StartupPlatformWin32::ShowMessage(const std::wstring& text) { host::ShowApplicationMessage(text, kApplicationTitle); }

void StartupPlatformWin32::HideCursor() { ShowCursor(FALSE); }

void StartupPlatformWin32::ShowPreview(int32_t hostWindow) {
    preview_ = std::make_unique<PreviewForm>(host_);
    preview_->ShowPreview(hostWindow);
}

void StartupPlatformWin32::ShowSettingsDialog() {
    settings::ShowSettingsDialog(host_, state_.settings, state_.LastResult);
}

void StartupPlatformWin32::LoadSaverForm() {
    saver_ = std::make_unique<SaverForm>(host_, state_);
    saver_->Load();
}

void StartupPlatformWin32::EndProgram() { host::EndProgram(); }

}  // namespace frontend
