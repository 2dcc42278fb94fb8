// Where setup puts things: the user's own program folder under the local application-data
// folder, the files in it, their temporary names, and the installed-programs entry's key and
// commands. Portable: the platform supplies the local application-data folder.
#pragma once
#include <optional>
#include <string>

namespace setup {

inline constexpr wchar_t kSaverFileName[] = L"Vaporquill.scr";
inline constexpr wchar_t kSetupFileName[] = L"Vaporquill-Setup.exe";
// The front end keeps its settings (the music) in this file beside itself.
inline constexpr wchar_t kSettingsFileName[] = L"Vaporquill.ini";
// The user's installed-programs entry, under HKEY_CURRENT_USER.
inline constexpr wchar_t kEntryKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vaporquill";
// The user's screen saver choice, under HKEY_CURRENT_USER.
inline constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// The suffixes of a file's temporary names in its own folder: a new copy before it is renamed
// into place, the previous one kept until the install is complete, and one on its way out.
inline constexpr wchar_t kNewSuffix[] = L".new";
inline constexpr wchar_t kOldSuffix[] = L".old";
inline constexpr wchar_t kGoingSuffix[] = L".del";

struct InstallLayout {
    std::wstring programsFolder;  // %LOCALAPPDATA%\Programs, shared with other programs
    std::wstring folder;          // ...\Programs\Vaporquill
    std::wstring saver;           // Vaporquill.scr
    std::wstring renderer;        // Vaporquill.dll
    std::wstring setup;           // Vaporquill-Setup.exe, the uninstaller
    std::wstring settings;        // Vaporquill.ini
};

// Nothing when the folder the system gave is no absolute path (a drive or a network share):
// setup would otherwise install relative to wherever it was started.
std::optional<InstallLayout> LayoutFor(const std::wstring& localAppData);

// The commands the installed-programs list runs.
std::wstring UninstallCommand(const InstallLayout& layout, bool quiet);
// The list's icon: the saver's own.
std::wstring DisplayIcon(const InstallLayout& layout);

}  // namespace setup
