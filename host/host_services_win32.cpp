// Platform services of the front end; see host_services_win32.h.
#include "host/host_services_win32.h"

#include <utility>
#include <vector>

#include "host/ansi_text_win32.h"
#include "host/command_line.h"
#include "host/twips.h"

namespace host {

namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

}  // namespace

void EndProgram() { ExitProcess(0); }

std::wstring ArgumentText() { return FromAnsi(ArgumentTextOf(GetCommandLineA())); }

void ShowApplicationMessage(const std::wstring& text, const std::wstring& applicationTitle) {
    // NOTE: the wide box keeps the Japanese text whatever the code page.
    MessageBoxW(nullptr, text.c_str(), applicationTitle.c_str(), MB_OK);
}

void CreateFolder(const std::string& path) {
    // Skipped by design: an existing folder, or one that cannot be made, is not reported.
    CreateDirectoryA(path.c_str(), nullptr);
}

StartedProgram::StartedProgram(StartedProgram&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), processId_(other.processId_) {}

StartedProgram& StartedProgram::operator=(StartedProgram&& other) noexcept {
    if (this != &other) {
        if (process_) CloseHandle(process_);
        process_ = std::exchange(other.process_, nullptr);
        processId_ = other.processId_;
    }
    return *this;
}

StartedProgram::~StartedProgram() {
    if (process_) CloseHandle(process_);
}

bool StartedProgram::IsRunning() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<StartedProgram> StartProgram(const std::string& path) {
    // NOTE: the file is named exactly (an unquoted command line alone, with blanks in the
    // path, would let the system try "C:\Program.exe" and the like first), and the path is
    // quoted on the command line so the started program reads it as one argument.
    std::string commandLine = "\"" + path + "\"";
    std::vector<char> mutableCommandLine(commandLine.begin(), commandLine.end());
    mutableCommandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(path.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        return std::nullopt;
    }
    CloseHandle(started.hThread);
    return StartedProgram(started.hProcess, started.dwProcessId);
}

bool WritePictureFile(const StoredPicture& picture, const std::string& path) {
    const std::string bytes = BitmapFileOf(picture);
    if (bytes.empty()) return false;  // a picture with no file form replaces nothing
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

SIZE ScreenSizeTwips() {
    return SIZE{PixelsToTwips(GetSystemMetrics(SM_CXSCREEN)), PixelsToTwips(GetSystemMetrics(SM_CYSCREEN))};
}

}  // namespace host
