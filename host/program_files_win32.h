// The program's own folder and the file test that the start routine and the settings
// file share. Win32 only; paths in the ANSI code page.
#pragma once
#include <string>

namespace host {

// The folder that holds the running program file, without a trailing "\".
std::string ProgramFolder();

// True when the file can be opened for reading; a trailing "\" is dropped first. A folder,
// a missing file or one without access gives false; nothing is reported.
bool FileExists(const std::string& path);

}  // namespace host
