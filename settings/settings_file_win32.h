// The settings file on the real platform: the ANSI profile functions, the program's
// folder and the file test behind SettingsFilePlatform. Win32 only.
#pragma once
#include <cstdint>

#include "settings/settings_file.h"

namespace settings {

class ProfileFilePlatform : public SettingsFilePlatform {
  public:
    std::string ProgramFolder() override;
    void ReadProfileValue(const std::string& section, const std::string& key,
                          const std::string& defaultValue, char* buffer, uint32_t bufferSize,
                          const std::string& path) override;
    int32_t WriteProfileValue(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) override;
    bool FileExists(const std::string& path) override;
    uint32_t LastWriteError() override { return lastWriteError_; }

  private:
    uint32_t lastWriteError_ = 0;
};

// The section and keys in the system's ANSI code page.
SettingsNames AnsiSettingsNames();

// LoadSettings and SaveSettings of the settings file, on the real platform.
void LoadSettings(SettingsRecord& settings);
SaveOutcome SaveSettings(const SettingsRecord& settings, int32_t& lastResult);

}  // namespace settings
