// Win32 side of the end-to-end test helpers; see wintest.h.
#include "testing/wintest/wintest.h"

#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>

namespace wintest {
namespace {

// A setting of a program's application manifest (its resource 1).
std::optional<std::wstring> ManifestSetting(const std::string& program, const wchar_t* nameSpace, const wchar_t* name) {
    ACTCTXA request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = program.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    const HANDLE context = CreateActCtxA(&request);
    if (context == INVALID_HANDLE_VALUE) return std::nullopt;
    wchar_t value[256] = {};
    SIZE_T written = 0;
    const bool read = QueryActCtxSettingsW(0, context, nameSpace, name, value, ARRAYSIZE(value), &written);
    ReleaseActCtx(context);
    if (!read) return std::nullopt;
    return std::wstring(value);
}

}  // namespace

DpiDeclaration DeclaredDpiAwareness(const std::string& program) {
    return {ManifestSetting(program, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
            ManifestSetting(program, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware")};
}

std::optional<ChildProcess> ChildProcess::Start(const std::string& commandLine,
                                                const std::string& workDir, int showCommand) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    ChildProcess child;
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &startup, &child.info_)) {
        return std::nullopt;
    }
    return child;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : info_(other.info_) {
    other.info_ = PROCESS_INFORMATION{};
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        Kill();
        info_ = other.info_;
        other.info_ = PROCESS_INFORMATION{};
    }
    return *this;
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::IsRunning() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ChildProcess::WaitExit(DWORD timeoutMs) const {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
    return code;
}

void ChildProcess::Kill() {
    if (info_.hProcess) {
        if (IsRunning()) {
            TerminateProcess(info_.hProcess, 0xDEAD);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hProcess);
    }
    if (info_.hThread) CloseHandle(info_.hThread);
    info_ = PROCESS_INFORMATION{};
}

void SleepMs(DWORD ms) { Sleep(ms); }

HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* className) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = FindWindowA(className, title)) return found;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

bool WaitForWindowGone(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (!FindWindowA(nullptr, title)) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}

DWORD WindowProcessId(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

namespace {

std::wstring WindowTextW(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::wstring ClassNameW(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialogOfProcess(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    if (WindowProcessId(window) == search->processId && IsWindowVisible(window) &&
        ClassNameW(window) == L"#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
    auto* box = reinterpret_cast<MessageBoxSeen*>(param);
    const std::wstring cls = ClassNameW(child);
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        box->buttons.push_back(WindowTextW(child));
    } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            // WINE: the icon static exists in every box; only a loaded icon counts.
            if (SendMessageW(child, STM_GETICON, 0, 0) != 0) box->hasIcon = true;
        } else if (GetDlgCtrlID(child) == 0xFFFF || box->text.empty()) {
            const std::wstring text = WindowTextW(child);
            if (!text.empty()) box->text = text;
        }
    }
    return TRUE;
}

}  // namespace

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        BoxSearch search{processId, nullptr};
        EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            MessageBoxSeen box;
            box.window = search.found;
            box.caption = WindowTextW(search.found);
            EnumChildWindows(search.found, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
            // A box is read once it holds its buttons and its text.
            const bool complete = !box.buttons.empty() && !box.text.empty();
            if (complete || GetTickCount() - start >= timeoutMs) return box;
            Sleep(20);
            continue;
        }
        if (GetTickCount() - start >= timeoutMs) return std::nullopt;
        Sleep(50);
    }
}

bool DismissMessageBox(const MessageBoxSeen& box, DWORD timeoutMs) {
    PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const DWORD start = GetTickCount();
    while (IsWindow(box.window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void DeleteTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

namespace {
std::string UnixEnvAsWindowsPath(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return "";
    std::string path = std::string("Z:") + value;
    for (char& c : path) if (c == '/') c = '\\';
    return path;
}
}  // namespace

std::string DistDir() { return UnixEnvAsWindowsPath("VQ_DIST_DIR"); }
std::string SourceDir() { return UnixEnvAsWindowsPath("VQ_SOURCE_DIR"); }

std::string InstallPairTo(const std::string& folderName, bool withRenderer) {
    CreateDirectoryA("C:\\vqtest", nullptr);
    const std::string folder = "C:\\vqtest\\" + folderName;
    DeleteTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string dist = DistDir();
    CopyFileA((dist + "\\Vaporquill.scr").c_str(), (folder + "\\Vaporquill.scr").c_str(), FALSE);
    if (withRenderer) {
        CopyFileA((dist + "\\Vaporquill.dll").c_str(), (folder + "\\Vaporquill.dll").c_str(), FALSE);
    }
    return folder;
}

uint32_t Screenshot::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    const uint8_t* p = &bgr[static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3];
    return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

bool Screenshot::SaveBmp(const std::string& path) const {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(reinterpret_cast<const char*>(bgr.data()), bgr.size());
    return WriteFileBytes(path, bytes);
}

namespace {

// The pixels of a bitmap as a screenshot.
Screenshot ReadBitmap(HDC compatible, HBITMAP bitmap, int width, int height) {
    Screenshot shot;
    shot.width = width;
    shot.height = height;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    shot.bgr.assign(stride * static_cast<size_t>(height), 0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    GetDIBits(compatible, bitmap, 0, static_cast<UINT>(height), shot.bgr.data(), &info, DIB_RGB_COLORS);
    return shot;
}

// Lets draw() paint into a fresh bitmap of the size, then reads it back.
template <typename Draw>
Screenshot Capture(int width, int height, Draw draw) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory, screen);
    SelectObject(memory, old);
    Screenshot shot = ReadBitmap(memory, bitmap, width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

}  // namespace

Screenshot CaptureScreen() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return Capture(width, height, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    });
}

Screenshot CaptureVirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return Capture(width, height, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    });
}

uint32_t ScreenPixel(POINT screen) {
    HDC dc = GetDC(nullptr);
    const COLORREF c = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

Screenshot PrintClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return Capture(client.right, client.bottom, [&](HDC memory, HDC) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    });
}

namespace {

INPUT MouseInput(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

void SendMouse(DWORD flags, POINT screen) {
    INPUT input = MouseInput(flags, screen);
    SendInput(1, &input, sizeof input);
}

}  // namespace

void MovePointerTo(POINT screen) { SendMouse(0, screen); }
void PressLeftButtonAt(POINT screen) { SendMouse(MOUSEEVENTF_LEFTDOWN, screen); }
void ReleaseLeftButtonAt(POINT screen) { SendMouse(MOUSEEVENTF_LEFTUP, screen); }

void ClickAt(POINT screen) {
    INPUT inputs[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN, screen), MouseInput(MOUSEEVENTF_LEFTUP, screen)};
    SendInput(2, inputs, sizeof(INPUT));
}

void PressKey(WORD virtualKey) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

std::vector<std::string> TracedProfileWrites(const std::string& folderName) {
    const char* unixPath = std::getenv("VQ_WINE_TRACE");
    if (!unixPath) return {};
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) if (c == '/') c = '\\';
    const std::string text = ReadFileBytes(path).value_or("");
    const std::string marker = ":trace:profile:WritePrivateProfileStringW (";
    std::vector<std::string> writes;
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
        const size_t begin = at + marker.size();
        const std::string line = text.substr(begin, text.find('\n', begin) - begin);
        const size_t pathAt = line.rfind(", L\"");
        if (pathAt == std::string::npos || line.find(folderName, pathAt) == std::string::npos) continue;
        writes.push_back(line.substr(0, pathAt));
    }
    return writes;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

std::wstring Widen(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& text, UINT codePage) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string Utf8(const std::wstring& text) { return Narrow(text, CP_UTF8); }

OpenedProcess::OpenedProcess(DWORD processId)
    : process_(processId ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                       processId)
                         : nullptr) {}

OpenedProcess::OpenedProcess(HWND window) : OpenedProcess(WindowProcessId(window)) {}

OpenedProcess::~OpenedProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 0xDEAD);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
}

bool OpenedProcess::WaitExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

std::wstring OpenedProcess::ImagePath() const {
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    return process_ && QueryFullProcessImageNameW(process_, 0, path, &size) ? path : L"";
}

std::vector<DWORD> ChildrenOf(DWORD parentId) {
    std::vector<DWORD> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return children;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == parentId) children.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return children;
}

}  // namespace wintest
