// Main: the start routine that runs before any form. It refuses a second start, reads the
// mode from the command line and hands over to the preview, the settings dialog or the
// saver session. Portable: every platform call goes through StartupPlatform.
#pragma once
#include <cstdint>
#include <string>

namespace frontend {

class StartupPlatform {
  public:
    virtual ~StartupPlatform() = default;
    // True when a top-level window (hidden ones included) has this title.
    virtual bool WindowExists(const char* title) = 0;
    virtual std::wstring ArgumentText() = 0;
    // Creates a folder; that it exists or cannot be made is ignored.
    virtual void CreateFolder(const std::string& path) = 0;
    virtual void LoadSettings() = 0;
    // The folder holding the program file, without a trailing "\".
    virtual std::string ProgramFolder() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // A message box with only an OK button, no icon, the application title as caption.
    virtual void ShowMessage(const std::wstring& text) = 0;
    virtual void HideCursor() = 0;
    // The three hand-overs: the preview in a host window; the settings dialog, modal and
    // without owner, returning when it has closed; the hidden saver form, loaded.
    virtual void ShowPreview(int32_t hostWindow) = 0;
    virtual void ShowSettingsDialog() = 0;
    virtual void LoadSaverForm() = 0;
    // Immediate termination; the real one never returns, a fake does and Main stops.
    virtual void EndProgram() = 0;
};

// The message when the renderer's file is not beside the program; it names the file as
// common/exchange_names.h spells it.
std::wstring RendererMissingMessage();

void Main(StartupPlatform& platform);

}  // namespace frontend
