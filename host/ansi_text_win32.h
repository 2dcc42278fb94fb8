// The one place where the front end's Unicode texts meet the system's ANSI code page
// (profile keys, paths, the command line). Win32 only.
#pragma once
#include <string>

namespace host {

// Characters the code page lacks become its default character, as the ANSI calls do.
std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);

}  // namespace host
