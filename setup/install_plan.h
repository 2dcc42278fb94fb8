// The steps of install and uninstall, each with its undo, decided from what the platform saw
// before any change. Install is planned in two parts: the files first, then (once the saver's
// short path exists to be asked for) the registry. Portable.
#pragma once
#include <string>
#include <vector>

#include "setup/install_layout.h"
#include "setup/installed_entry.h"
#include "setup/saver_choice.h"
#include "setup/transaction.h"

namespace setup {

struct ObservedState {
    InstallLayout layout;
    bool programsFolderExists = false;
    bool folderExists = false;
    std::vector<std::wstring> folderEntries;  // names of the files and folders in it
    SaverChoice desktop;
    std::wstring saverShortPath;  // the installed saver's short path; empty when there is none
    EntryState entry;
    std::wstring selfPath;  // the running setup program's file
    // The folder the saver makes at every start for the texture it hands to the renderer.
    bool exchangeFolderExists = false;
    std::vector<std::wstring> exchangeEntries;
};

bool HasEntry(const ObservedState& state, const std::wstring& fileName);
bool DesktopNamesVaporquill(const ObservedState& state);
// Installed: the entry or the saver is there.
bool IsInstalled(const ObservedState& state);
// The installed uninstaller is running: it cannot be replaced or deleted, only moved away.
bool RunsAsInstalledSetup(const ObservedState& state);

// New copies under temporary names, then each renamed into place (the previous copy kept
// under its own temporary name until the install is whole). The settings file is not touched.
std::vector<PlannedStep> InstallFileSteps(const ObservedState& state);
// The entry (with the choice to remember) and the user's saver choice.
std::vector<PlannedStep> InstallRegistrySteps(const ObservedState& state, const EntryFacts& facts,
                                              const std::wstring& saverValue);
// Deleting the previous copies, once all is in place.
std::vector<PlannedStep> InstallTidySteps(const ObservedState& state);

// The running uninstaller moved out to `parking` (a running program can be renamed, not
// deleted), the saver choice brought back while Vaporquill is still chosen, every file of
// setup's renamed for deletion, the entry removed.
std::vector<PlannedStep> UninstallSteps(const ObservedState& state, const std::wstring& parking);
// Deleting the renamed files, then the folder when nothing of anyone else's is left in it;
// likewise the texture the saver last handed to its renderer, and the folder it made for it.
std::vector<PlannedStep> UninstallTidySteps(const ObservedState& state);

}  // namespace setup
