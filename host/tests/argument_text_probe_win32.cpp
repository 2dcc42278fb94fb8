// Started by the form host's end-to-end test with a command line of its choosing: writes the
// argument text the host reads (ArgumentText, as UTF-16 bytes) to the file that
// VQ_ARGUMENT_TEXT_FILE names, and ends with 0 (1 when it could not write).
#include <windows.h>

#include <string>

#include "host/host_services_win32.h"

int main() {
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("VQ_ARGUMENT_TEXT_FILE", path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) return 1;
    const std::wstring text = host::ArgumentText();
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), bytes, &written, nullptr) && written == bytes;
    CloseHandle(file);
    return ok ? 0 : 1;
}
