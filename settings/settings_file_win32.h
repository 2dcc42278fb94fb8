// The settings file on the real platform: the ANSI profile functions and the file calls
// behind SettingsFilePlatform. Win32 only.
#pragma once
#include <cstdint>

#include "settings/settings_file.h"

namespace settings {

class ProfileFilePlatform : public SettingsFilePlatform {
  public:
    void ReadProfileValue(const std::string& section, const std::string& key,
                          const std::string& defaultValue, char* buffer, uint32_t bufferSize,
                          const std::string& path) override;
    bool FileExists(const std::string& path) override;
    FileStep WriteProfileValue(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) override;
    FileStep CopyOver(const std::string& from, const std::string& to) override;
    FileStep MoveOver(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
};

// The section and keys in the system's ANSI code page.
SettingsNames AnsiSettingsNames();

// LoadSettings and SaveSettings of the settings file beside the program, on the real platform.
void LoadSettings(SettingsRecord& settings);
SaveOutcome SaveSettings(const SettingsRecord& settings, int32_t& lastResult);

}  // namespace settings
