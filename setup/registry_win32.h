// The user's registry as setup reads and changes it: an owner for an open key, and the
// values of a key as setup's own types. Win32 only.
#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "setup/setup_step.h"

namespace setup {

class RegistryKeyHandle {
  public:
    // Nothing when the key is not there (or cannot be opened); GetLastError-style code in `error`.
    static std::optional<RegistryKeyHandle> Open(const wchar_t* path, REGSAM access, LSTATUS* error = nullptr);
    // Made when missing.
    static std::optional<RegistryKeyHandle> Create(const wchar_t* path, LSTATUS* error = nullptr);
    RegistryKeyHandle(RegistryKeyHandle&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKeyHandle& operator=(RegistryKeyHandle&&) = delete;
    RegistryKeyHandle(const RegistryKeyHandle&) = delete;
    RegistryKeyHandle& operator=(const RegistryKeyHandle&) = delete;
    ~RegistryKeyHandle() {
        if (key_) RegCloseKey(key_);
    }
    HKEY get() const { return key_; }

  private:
    explicit RegistryKeyHandle(HKEY key) : key_(key) {}
    HKEY key_;
};

// HKCU paths of setup's two keys.
const wchar_t* RegistryPath(RegistryKey key);

// A text (REG_SZ or REG_EXPAND_SZ, unexpanded) or number (REG_DWORD) value; nothing for a
// missing value or one of another type.
std::optional<RegistryValue> ReadValue(HKEY key, const wchar_t* name);
// Every text and number value of the key, by name.
std::map<std::wstring, RegistryValue> ReadAllValues(HKEY key);

// The system's words for an error code, on one line.
std::wstring SystemErrorText(DWORD code);

}  // namespace setup
