// See step_port_win32.h. Win32 only. Each step either happens whole or reports why not; a
// step whose work is already undone (a file or value that is not there to remove) succeeds,
// so an undo after a partial failure never stops halfway.
#include "setup/step_port_win32.h"

#include <windows.h>

#include "setup/registry_win32.h"
#include "setup/system_state_win32.h"

namespace setup {

namespace {

bool Failed(DWORD code, const std::wstring& what, std::wstring& reason) {
    reason = what + L"\n" + SystemErrorText(code);
    return false;
}

bool IsGone(DWORD code) { return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND; }

bool WritePayload(const std::wstring& path, PayloadBytes bytes, std::wstring& reason) {
    if (!bytes.data) return Failed(ERROR_RESOURCE_DATA_NOT_FOUND, path, reason);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed(GetLastError(), path, reason);
    const char* at = static_cast<const char*>(bytes.data);
    size_t left = bytes.size;
    bool written = true;
    while (written && left > 0) {
        DWORD wrote = 0;
        const DWORD chunk = left > (1u << 20) ? (1u << 20) : static_cast<DWORD>(left);
        written = WriteFile(file, at, chunk, &wrote, nullptr) && wrote == chunk;
        at += chunk;
        left -= chunk;
    }
    // NOTE: on the disk before it is renamed into place, so a crash cannot leave a short file
    // under the program's name.
    written = written && FlushFileBuffers(file);
    const DWORD code = GetLastError();
    CloseHandle(file);
    if (!written) {
        DeleteFileW(path.c_str());
        return Failed(code, path, reason);
    }
    return true;
}

bool DoFileStep(const Step& step, const Payloads& payloads, std::wstring& reason) {
    switch (step.kind) {
        case StepKind::MakeFolder:
            return CreateDirectoryW(step.path.c_str(), nullptr) || Failed(GetLastError(), step.path, reason);
        case StepKind::RemoveFolder:
            return RemoveDirectoryW(step.path.c_str()) || IsGone(GetLastError()) || Failed(GetLastError(), step.path, reason);
        case StepKind::WriteFile: return WritePayload(step.path, payloads.Get(step.payload), reason);
        case StepKind::Rename:
            return MoveFileExW(step.path.c_str(), step.to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
                   Failed(GetLastError(), step.path + L" \u2192 " + step.to, reason);
        case StepKind::RemoveFile:
            return DeleteFileW(step.path.c_str()) || IsGone(GetLastError()) || Failed(GetLastError(), step.path, reason);
        default: return false;
    }
}

bool DoRegistryStep(const Step& step, std::wstring& reason) {
    const wchar_t* path = RegistryPath(step.key);
    const std::wstring where = std::wstring(L"HKEY_CURRENT_USER\\") + path + (step.name.empty() ? L"" : L" : " + step.name);
    LSTATUS status = ERROR_SUCCESS;
    switch (step.kind) {
        case StepKind::MakeKey: return RegistryKeyHandle::Create(path, &status) || Failed(status, where, reason);
        case StepKind::DeleteKey:
            status = RegDeleteKeyW(HKEY_CURRENT_USER, path);
            return status == ERROR_SUCCESS || IsGone(status) || Failed(status, where, reason);
        case StepKind::SetValue: {
            auto key = RegistryKeyHandle::Create(path, &status);
            if (!key) return Failed(status, where, reason);
            if (step.value.type == RegistryValue::Type::Number) {
                const DWORD number = step.value.number;
                status = RegSetValueExW(key->get(), step.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                        sizeof number);
            } else {
                const std::wstring& text = step.value.text;
                status = RegSetValueExW(key->get(), step.name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
            }
            return status == ERROR_SUCCESS || Failed(status, where, reason);
        }
        case StepKind::DeleteValue: {
            auto key = RegistryKeyHandle::Open(path, KEY_SET_VALUE, &status);
            if (!key) return IsGone(status) || Failed(status, where, reason);
            status = RegDeleteValueW(key->get(), step.name.c_str());
            return status == ERROR_SUCCESS || IsGone(status) || Failed(status, where, reason);
        }
        default: return false;
    }
}

}  // namespace

bool Win32SetupPort::Do(const Step& step, std::wstring& reason) {
    return step.IsFileStep() ? DoFileStep(step, payloads_, reason) : DoRegistryStep(step, reason);
}

std::wstring Win32SetupPort::ShortPathOf(const std::wstring& path) { return setup::ShortPathOf(path); }

AnsiCharacterTest Win32SetupPort::AnsiTest() { return AnsiCodePageTest(); }

}  // namespace setup
