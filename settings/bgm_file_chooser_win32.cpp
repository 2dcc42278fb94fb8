// The open-file dialog for the music file; see bgm_file_chooser_win32.h.
#include "settings/bgm_file_chooser_win32.h"

#include <commdlg.h>

#include <cstddef>
#include <vector>

#include "host/ansi_text_win32.h"

namespace settings {

namespace {

// The record as the system's oldest ANSI form of it is, all other fields zero: up to and
// including lpTemplateName. Its size is the platform's own (76 bytes on 32-bit Windows, 136 on
// 64-bit, where pointers are wider); a 64-bit system refuses the 32-bit size.
constexpr DWORD kOpenFileRecordBytes =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(sizeof(void*) != 4 || kOpenFileRecordBytes == 76, "the 32-bit record is 76 bytes");
static_assert(sizeof(void*) != 8 || kOpenFileRecordBytes == 136, "the 64-bit record is 136 bytes");
constexpr size_t kPathBufferBytes = 255;

}  // namespace

int32_t ChooseBgmFile(HWND owner, HINSTANCE instance, std::string& path) {
    // One pair, description then pattern, NUL-separated, the list ended by an empty string.
    std::string filter = host::ToAnsi(L"BGMﾌｧｲﾙ (MP3 WAV)");
    filter.push_back('\0');
    filter += "*.MP3;*.WAV";
    filter.push_back('\0');
    filter.push_back('\0');
    const std::string title = host::ToAnsi(L"ﾌｧｲﾙを選択");
    std::vector<char> file(kPathBufferBytes, '\0');
    std::vector<char> fileTitle(kPathBufferBytes, '\0');

    OPENFILENAMEA record{};
    record.lStructSize = kOpenFileRecordBytes;
    record.hwndOwner = owner;
    record.hInstance = instance;
    record.lpstrFilter = filter.c_str();
    record.lpstrFile = file.data();
    record.nMaxFile = static_cast<DWORD>(file.size());
    record.lpstrFileTitle = fileTitle.data();
    record.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    record.lpstrTitle = title.c_str();
    const int32_t result = GetOpenFileNameA(&record);
    // Read up to its first NUL, never past the buffer.
    if (result > 0) path.assign(file.data(), strnlen(file.data(), file.size()));
    return result;
}

}  // namespace settings
