// Helpers for the end-to-end tests that run under Wine and drive the real programs:
// start them, wait for their windows, read and dismiss their message boxes, look at files
// and the screen. Win32 only; every process a test starts is ended by the test, by its id.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "testing/wintest/power_setting_sender.h"

namespace wintest {

// A program started by a test. The destructor ends it (TerminateProcess by its handle)
// if it is still running, so a failing assertion never leaves a process behind.
class ChildProcess {
  public:
    // commandLine is passed whole to CreateProcessA; workDir may be empty.
    static std::optional<ChildProcess> Start(const std::string& commandLine,
                                             const std::string& workDir = "",
                                             int showCommand = SW_SHOWNORMAL);
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    bool IsRunning() const;
    // The exit code once the process has ended within timeoutMs, else nothing.
    std::optional<DWORD> WaitExit(DWORD timeoutMs) const;
    void Kill();

  private:
    ChildProcess() = default;
    PROCESS_INFORMATION info_{};
};

// A program the test did not start itself (the renderer a saver starts, a panel setup opens),
// opened by its id and ended by the test, if it still runs, when the test is done with it.
class OpenedProcess {
  public:
    explicit OpenedProcess(DWORD processId);
    explicit OpenedProcess(HWND window);
    ~OpenedProcess();
    OpenedProcess(const OpenedProcess&) = delete;
    OpenedProcess& operator=(const OpenedProcess&) = delete;
    bool found() const { return process_ != nullptr; }
    bool WaitExit(DWORD timeoutMs) const;
    std::wstring ImagePath() const;

  private:
    HANDLE process_;
};

// The processes a process started, by their parent's id.
std::vector<DWORD> ChildrenOf(DWORD parentId);

// Polls FindWindowA (top-level windows, hidden ones included) until the title appears.
HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* className = nullptr);
// Polls until no top-level window has the title; true when it went within the time.
bool WaitForWindowGone(const char* title, DWORD timeoutMs);
// The process that owns a window.
DWORD WindowProcessId(HWND window);

// A message box (dialog class #32770) of a given process, read through the wide API so
// Japanese text compares correctly whatever the code page.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;
    bool hasIcon = false;
};
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Presses the box's first button (OK) and waits until the box has gone.
bool DismissMessageBox(const MessageBoxSeen& box, DWORD timeoutMs = 30000);

// Files, by Windows path.
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
void DeleteTree(const std::string& path);

// Where the build laid out dist/ (a Unix path from the environment), as a Windows path.
std::string DistDir();
std::string SourceDir();
// Copies Vaporquill.scr and Vaporquill.dll from dist/ into a fresh folder under C:\vqtest
// and gives that folder, so each test has its own settings file beside its own copy.
std::string InstallPairTo(const std::string& folderName, bool withRenderer = true);

// What a program's application manifest declares of its DPI awareness, read as the system reads
// it when the program starts, in the two settings Windows reads: dpiAwareness (Windows 10 from
// 1607) and dpiAware (Windows 8.1 and older Windows 10); nothing where the program has no
// manifest the system accepts or no such setting. WINE: Wine 8 reports every window as aware of
// each monitor's DPI whatever its program declares, so only the manifest shows the declaration.
struct DpiDeclaration {
    std::optional<std::wstring> dpiAwareness;
    std::optional<std::wstring> dpiAware;
};
DpiDeclaration DeclaredDpiAwareness(const std::string& program);

// The screen as 24-bit BGR rows, top-down, read back through GDI.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgr;
    uint32_t Pixel(int x, int y) const;          // 0xRRGGBB
    bool SaveBmp(const std::string& path) const;  // for a person to look at
};
Screenshot CaptureScreen();
// Every monitor at once, in one copy (so one frame of a program that draws on all of them):
// the virtual screen, its pixel (0, 0) at the screen point (SM_XVIRTUALSCREEN, SM_YVIRTUALSCREEN).
Screenshot CaptureVirtualScreen();
// One pixel of the screen, 0xRRGGBB.
uint32_t ScreenPixel(POINT screen);
// What a window's client area shows, as the window prints it (WM_PRINTCLIENT): its own
// drawing, whatever lies over it on the screen and wherever Wine puts it.
Screenshot PrintClient(HWND window);

// Real mouse input (SendInput), as a user's hand gives it, at screen positions. A press
// or release names its place too: under Wine a program that reads a late pointer event
// from X (e.g. its window opening under the pointer a previous test left there) moves the
// pointer back for a moment, and a bare press would land wherever that left it.
void MovePointerTo(POINT screen);
void PressLeftButtonAt(POINT screen);
void ReleaseLeftButtonAt(POINT screen);
void ClickAt(POINT screen);
// A key pressed and released (SendInput), as a user types it.
void PressKey(WORD virtualKey);

// The profile writes of the test's children as Wine traces them (a test registered with
// TRACE profile): section, key and value with non-ASCII characters as "\" and four hex
// digits, for the settings file of the named folder, in the order they were made.
std::vector<std::string> TracedProfileWrites(const std::string& folderName);

// Text conversion at the test's edge.
std::wstring Widen(const std::string& text, UINT codePage = CP_ACP);
std::string Narrow(const std::wstring& text, UINT codePage = CP_ACP);
std::string Utf8(const std::wstring& text);

void SleepMs(DWORD ms);

// Runs a message loop for the test's own windows, as a program does, until done() holds
// or the time is up; false when it never held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace wintest
