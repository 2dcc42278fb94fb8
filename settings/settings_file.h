// The settings file "Vaporquill.ini" beside the program: its names, the value forms, and how
// the settings record is read from it and written back. Portable: the profile and file calls
// come through SettingsFilePlatform; the caller names the file.
#pragma once
#include <cstdint>
#include <string>

#include "settings/settings_record.h"

namespace settings {

// What one step of writing came to: the platform's result (non-zero when it was done) and,
// when it was not, the system's code for why (0 when it gives none).
struct FileStep {
    int32_t result = 1;
    uint32_t errorCode = 0;
    // A copy that found no file to copy: nothing to keep, not a failure.
    bool sourceMissing = false;
    bool done() const { return result != 0; }
};

// What the settings file needs of the platform. All texts are in the ANSI code page.
class SettingsFilePlatform {
  public:
    virtual ~SettingsFilePlatform() = default;
    // The profile read: copies the value (defaultValue when the file, section or key is
    // missing) into buffer, cut to bufferSize - 1 bytes and NUL-terminated.
    virtual void ReadProfileValue(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, char* buffer,
                                  uint32_t bufferSize, const std::string& path) = 0;
    // True when the file can be opened for reading.
    virtual bool FileExists(const std::string& path) = 0;
    // The profile write.
    virtual FileStep WriteProfileValue(const std::string& section, const std::string& key,
                                       const std::string& value, const std::string& path) = 0;
    // Copies a file over any file at `to`; sourceMissing when `from` does not exist.
    virtual FileStep CopyOver(const std::string& from, const std::string& to) = 0;
    // Puts `from` in the place of `to` in one step: a reader sees the old file or the new one.
    virtual FileStep MoveOver(const std::string& from, const std::string& to) = 0;
    // Deletes a file; a failure is skipped by design (only the save's own copy goes this way).
    virtual void Remove(const std::string& path) = 0;
};

// The section and key names as the program holds them. The platform converts them to the
// ANSI code page (on code page 932 the keys become the bytes existing files hold).
inline constexpr const wchar_t* kSettingsSection = L"Section";
inline constexpr const wchar_t* kBgmKindKey = L"BGM区分";
inline constexpr const wchar_t* kBgmRepeatKey = L"BGMﾘﾋﾟｰﾄ";
inline constexpr const wchar_t* kBgmFileKey = L"BGMﾌｧｲﾙ";

// The same names in the ANSI code page, as the profile calls take them.
struct SettingsNames {
    std::string section;
    std::string kindKey;
    std::string repeatKey;
    std::string fileKey;
};

// The program's folder followed by "\Vaporquill.ini".
std::string SettingsPath(const std::string& programFolder);
// Where a save writes the new choice before it replaces the file: beside it.
std::string SettingsCopyPath(const std::string& settingsPath);

// The value of a key, or "" when the file, section or key is missing; at most 255 bytes.
std::string ReadIniValue(SettingsFilePlatform& platform, const std::string& section,
                         const std::string& key, const std::string& path);

// Writes the value; the platform's result goes to lastResult.
FileStep WriteIniValue(SettingsFilePlatform& platform, int32_t& lastResult,
                       const std::string& section, const std::string& key,
                       const std::string& value, const std::string& path);

// A number with its sign position: a blank before zero and positive values (" 2"), a minus
// sign before negative ones ("-3").
std::string SignPositionText(int16_t value);

// Fills the record from the file. Each field is read on its own; a value that is no
// number or whose whole part does not fit 16 bits leaves its field as it was. A music
// file that is missing or cannot be opened clears BgmFile and turns kind 2 into 0.
void LoadSettings(SettingsFilePlatform& platform, const std::string& path, const SettingsNames& names,
                  SettingsRecord& settings);

// What a save came to. A failed write is told, never lost in silence: it names the file and
// carries the system's code for the reason.
struct SaveOutcome {
    bool saved = true;
    std::string path;        // the settings file, in the ANSI code page
    uint32_t errorCode = 0;  // the system's reason, when a write failed
};

// All or nothing: kind, repeat and file are written, in this order and with the same profile
// writes, to a copy of the file beside it (its other sections and keys kept), which then
// replaces the file in one step. Any failure leaves the file byte for byte as it was, drops
// the copy and is told. lastResult holds the last write's result.
SaveOutcome SaveSettings(SettingsFilePlatform& platform, const std::string& path, const SettingsNames& names,
                         const SettingsRecord& settings, int32_t& lastResult);

}  // namespace settings
