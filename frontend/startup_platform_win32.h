// The start routine's platform on Win32: window lookup, folders, the settings file, the
// message box, the cursor and the three hand-overs. Win32 only.
#pragma once
#include <memory>

#include "frontend/frontend_state.h"
#include "frontend/preview_form_win32.h"
#include "frontend/saver_form_win32.h"
#include "frontend/startup.h"
#include "host/form_host_win32.h"

namespace frontend {

class StartupPlatformWin32 : public StartupPlatform {
  public:
    StartupPlatformWin32(host::FormHost& host, FrontendState& state) : host_(host), state_(state) {}

    bool WindowExists(const char* title) override;
    std::wstring ArgumentText() override;
    void CreateFolder(const std::string& path) override;
    void LoadSettings() override;
    std::string ProgramFolder() override;
    bool FileExists(const std::string& path) override;
    void ShowMessage(const std::wstring& text) override;
    void HideCursor() override;
    void ShowPreview(int32_t hostWindow) override;
    void ShowSettingsDialog() override;
    void LoadSaverForm() override;
    void EndProgram() override;

  private:
    host::FormHost& host_;
    FrontendState& state_;
    // The forms that outlive the start routine.
    std::unique_ptr<PreviewForm> preview_;
    std::unique_ptr<SaverForm> saver_;
};

}  // namespace frontend
