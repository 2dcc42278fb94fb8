// See registry_win32.h. Win32 only.
#include "setup/registry_win32.h"

#include <vector>

#include "setup/install_layout.h"

namespace setup {

std::optional<RegistryKeyHandle> RegistryKeyHandle::Open(const wchar_t* path, REGSAM access, LSTATUS* error) {
    HKEY key = nullptr;
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key);
    if (error) *error = status;
    if (status != ERROR_SUCCESS) return std::nullopt;
    return RegistryKeyHandle(key);
}

std::optional<RegistryKeyHandle> RegistryKeyHandle::Create(const wchar_t* path, LSTATUS* error) {
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
    if (error) *error = status;
    if (status != ERROR_SUCCESS) return std::nullopt;
    return RegistryKeyHandle(key);
}

const wchar_t* RegistryPath(RegistryKey key) { return key == RegistryKey::Desktop ? kDesktopKey : kEntryKey; }

namespace {

std::optional<RegistryValue> Decode(DWORD type, const std::vector<BYTE>& data, DWORD size) {
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD number = 0;
        memcpy(&number, data.data(), sizeof number);
        return RegistryValue::Number(number);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    // A stored terminator (or several) is no part of the text.
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return RegistryValue::Text(text);
}

}  // namespace

std::optional<RegistryValue> ReadValue(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::vector<BYTE> data(size + sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    return Decode(type, data, size);
}

std::map<std::wstring, RegistryValue> ReadAllValues(HKEY key) {
    std::map<std::wstring, RegistryValue> values;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (auto value = ReadValue(key, name)) values.emplace(name, *value);
    }
    return values;
}

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"";
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text + L" (" + std::to_wstring(code) + L")";
}

}  // namespace setup
