// Which path of the installed screen saver the system is given in SCRNSAVE.EXE, and whether a
// stored value still names it. Portable: the platform tells which characters the ANSI code
// page holds and gives the short (8.3) path it made for the file.
#pragma once
#include <functional>
#include <string>

namespace setup {

// True for a character the system's ANSI code page can hold.
using AnsiCharacterTest = std::function<bool(wchar_t)>;

// NOTE: the value is read by parts of the system that split a command line at blanks or go
// through the ANSI code page, so a path with a blank or a character outside that code page is
// given by its short form, which has neither.
bool NeedsShortPath(const std::wstring& path, const AnsiCharacterTest& inAnsiCodePage);

// The long path where it is safe; else the short one. Where the volume makes no short names
// (the system gives the long path back, or nothing), the long path is all there is: modern
// systems read the value in Unicode, so it is stored rather than no saver at all.
std::wstring SaverPathToStore(const std::wstring& longPath, const std::wstring& shortPath,
                              const AnsiCharacterTest& inAnsiCodePage);

// Whether the stored SCRNSAVE.EXE value names the installed saver, by its long or short path,
// in any case of Latin letters, quoted or not.
bool NamesInstalledSaver(const std::wstring& value, const std::wstring& longPath, const std::wstring& shortPath);

}  // namespace setup
