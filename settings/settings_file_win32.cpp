// The settings file on the real platform; see settings_file_win32.h.
#include "settings/settings_file_win32.h"

#include <windows.h>

#include "host/ansi_text_win32.h"
#include "host/program_files_win32.h"

namespace settings {

namespace {

FileStep StepOf(BOOL result) {
    return result ? FileStep{} : FileStep{0, GetLastError()};
}

}  // namespace

void ProfileFilePlatform::ReadProfileValue(const std::string& section, const std::string& key,
                                           const std::string& defaultValue, char* buffer,
                                           uint32_t bufferSize, const std::string& path) {
    // Skipped by design: the count it gives is not needed; the buffer ends in a NUL.
    GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                             bufferSize, path.c_str());
}

bool ProfileFilePlatform::FileExists(const std::string& path) { return host::FileExists(path); }

FileStep ProfileFilePlatform::WriteProfileValue(const std::string& section, const std::string& key,
                                                const std::string& value, const std::string& path) {
    return StepOf(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()));
}

FileStep ProfileFilePlatform::CopyOver(const std::string& from, const std::string& to) {
    FileStep step = StepOf(CopyFileA(from.c_str(), to.c_str(), /*failIfExists*/ FALSE));
    step.sourceMissing = step.errorCode == ERROR_FILE_NOT_FOUND;
    return step;
}

FileStep ProfileFilePlatform::MoveOver(const std::string& from, const std::string& to) {
    // A rename within the folder: the file is the old one or the new one, never a mixture.
    return StepOf(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

void ProfileFilePlatform::Remove(const std::string& path) { ::DeleteFileA(path.c_str()); }

SettingsNames AnsiSettingsNames() {
    return SettingsNames{host::ToAnsi(kSettingsSection), host::ToAnsi(kBgmKindKey), host::ToAnsi(kBgmRepeatKey),
                         host::ToAnsi(kBgmFileKey)};
}

void LoadSettings(SettingsRecord& settings) {
    ProfileFilePlatform platform;
    LoadSettings(platform, SettingsPath(host::ProgramFolder()), AnsiSettingsNames(), settings);
}

SaveOutcome SaveSettings(const SettingsRecord& settings, int32_t& lastResult) {
    ProfileFilePlatform platform;
    return SaveSettings(platform, SettingsPath(host::ProgramFolder()), AnsiSettingsNames(), settings, lastResult);
}

}  // namespace settings
