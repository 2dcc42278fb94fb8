// Program folder and file test; see program_files_win32.h.
#include "host/program_files_win32.h"

#include <windows.h>

#include <vector>

#include "host/ansi_text_win32.h"

namespace host {

std::string ProgramFolder() {
    std::vector<char> path(MAX_PATH + 1, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size() - 1) break;
        path.resize(path.size() * 2);  // cut to the buffer: ask again with room to spare
    }
    // NOTE: searched as Unicode: in Shift-JIS a trail byte can equal "\" (as in 表).
    const std::wstring wide = FromAnsi(path.data());
    const size_t lastSeparator = wide.find_last_of(L'\\');
    if (lastSeparator == std::wstring::npos) return {};
    return ToAnsi(wide.substr(0, lastSeparator));
}

bool FileExists(const std::string& path) {
    std::string opened = path;
    // A trailing "\" is dropped only when it is a character of its own, not a trail byte.
    if (!opened.empty()) {
        const char* begin = opened.c_str();
        const char* last = CharPrevA(begin, begin + opened.size());
        if (last == begin + opened.size() - 1 && *last == '\\') opened.pop_back();
    }
    const DWORD savedError = GetLastError();
    HANDLE file = CreateFileA(opened.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool opens = file != INVALID_HANDLE_VALUE;
    if (opens) CloseHandle(file);
    SetLastError(savedError);  // the test leaves no error behind for the caller
    return opens;
}

}  // namespace host
