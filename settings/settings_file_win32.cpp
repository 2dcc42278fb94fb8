// The settings file on the real platform; see settings_file_win32.h.
#include "settings/settings_file_win32.h"

#include <windows.h>

#include "host/ansi_text_win32.h"
#include "host/program_files_win32.h"

namespace settings {

std::string ProfileFilePlatform::ProgramFolder() { return host::ProgramFolder(); }

void ProfileFilePlatform::ReadProfileValue(const std::string& section, const std::string& key,
                                           const std::string& defaultValue, char* buffer,
                                           uint32_t bufferSize, const std::string& path) {
    // Skipped by design: the count it gives is not needed; the buffer ends in a NUL.
    GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                             bufferSize, path.c_str());
}

int32_t ProfileFilePlatform::WriteProfileValue(const std::string& section, const std::string& key,
                                                const std::string& value, const std::string& path) {
    const int32_t result = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
    if (result == 0) lastWriteError_ = GetLastError();
    return result;
}

bool ProfileFilePlatform::FileExists(const std::string& path) { return host::FileExists(path); }

SettingsNames AnsiSettingsNames() {
    return SettingsNames{host::ToAnsi(kSettingsSection), host::ToAnsi(kBgmKindKey), host::ToAnsi(kBgmRepeatKey),
                         host::ToAnsi(kBgmFileKey)};
}

void LoadSettings(SettingsRecord& settings) {
    ProfileFilePlatform platform;
    LoadSettings(platform, AnsiSettingsNames(), settings);
}

SaveOutcome SaveSettings(const SettingsRecord& settings, int32_t& lastResult) {
    ProfileFilePlatform platform;
    return SaveSettings(platform, AnsiSettingsNames(), settings, lastResult);
}

}  // namespace settings
