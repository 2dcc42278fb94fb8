// The words that tell the user a "設定" did not keep the choice: which file could not be
// written, the system's reason, and where the program can keep it. Portable.
#pragma once
#include <cstdint>
#include <string>

namespace settings {

// path: the settings file; reason: the system's text for errorCode, empty when it has none.
std::wstring SaveFailureMessage(const std::wstring& path, const std::wstring& reason, uint32_t errorCode);

}  // namespace settings
