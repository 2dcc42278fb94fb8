// What setup reads from the system before it decides anything: the user's folders, the files
// already installed, the registry values it will touch, the programs' windows. Win32 only.
#pragma once
#include <optional>
#include <string>

#include "setup/install_plan.h"
#include "setup/saver_path.h"

namespace setup {

// The running program's file, by its long path.
std::wstring SelfPath();
// The user's local application-data folder, as the system names it; empty when it does not.
std::wstring LocalAppDataFolder();
// The saver, its renderer or its settings dialog has a window open.
bool SaverWindowOpen();
ObservedState ObserveState(const InstallLayout& layout, const std::wstring& selfPath);
// The system's short (8.3) path of an existing file; empty when it has none.
std::wstring ShortPathOf(const std::wstring& path);
// Whether a character converts to the ANSI code page and back unchanged.
AnsiCharacterTest AnsiCodePageTest();
// Where the running uninstaller moves itself out of the folder: the user's temporary folder
// when it lies on the same volume (a running program can be renamed, not copied away), else
// beside the folder.
std::wstring ParkingPathFor(const InstallLayout& layout);
// Earlier uninstallers left in their parking places, which can be deleted once they have ended.
void DeleteEndedParkedCopies(const InstallLayout& layout);

}  // namespace setup
