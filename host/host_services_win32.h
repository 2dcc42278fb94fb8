// The host's services to the program: ending it, the argument text, the application's
// message box, folders, starting a program, writing a stored picture as a bitmap file, the
// screen in twips. The program's folder and FileExists are in host/program_files_win32.h,
// the ANSI conversion in host/ansi_text_win32.h. Win32 only.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "host/stored_picture.h"

namespace host {

// Immediate termination: no form's unload handler runs and nothing after it executes.
[[noreturn]] void EndProgram();

// The command line less the program's path, read afresh on every call.
std::wstring ArgumentText();
// A message box with only an OK button, no icon, no owner and the application title.
void ShowApplicationMessage(const std::wstring& text, const std::wstring& applicationTitle);

// Creating a folder that exists already, or cannot be made, is not reported.
void CreateFolder(const std::string& path);

// A started program's process; the handle is closed when this goes, the program runs on.
class StartedProgram {
  public:
    StartedProgram(HANDLE process, DWORD processId) : process_(process), processId_(processId) {}
    StartedProgram(StartedProgram&& other) noexcept;
    StartedProgram& operator=(StartedProgram&& other) noexcept;
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram();

    HANDLE process() const { return process_; }
    DWORD processId() const { return processId_; }
    bool IsRunning() const;

  private:
    HANDLE process_;
    DWORD processId_;
};

// Starts the program file at path, with no arguments, shown normally and activated, and
// returns at once; nothing when it could not be started.
std::optional<StartedProgram> StartProgram(const std::string& path);

// Writes the picture as a bitmap file, replacing any file at path; false when it failed.
bool WritePictureFile(const StoredPicture& picture, const std::string& path);

// The screen's size in twips.
SIZE ScreenSizeTwips();

}  // namespace host
