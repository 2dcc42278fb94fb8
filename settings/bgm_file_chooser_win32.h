// ChooseBgmFile's open-file dialog: the ANSI open-file record as the dialog fills it, and
// the chosen path in the ANSI code page. Win32 only.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace settings {

// The dialog's result (above 0 when a file was chosen); the chosen path, up to its first
// NUL, in path when so.
int32_t ChooseBgmFile(HWND owner, HINSTANCE instance, std::string& path);

}  // namespace settings
