// The settings file's read and write sequences; see settings_file.h.
#include "settings/settings_file.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "host/number_text.h"

namespace settings {

namespace {

constexpr const char* kSettingsFileName = "\\Vaporquill.ini";
// The read buffer: a value longer than 255 bytes comes back cut to 255.
constexpr uint32_t kValueBufferBytes = 256;
// Section and key names travel in 128-byte buffers that end in a NUL.
constexpr size_t kNameBufferBytes = 128;

// Only the text before a NUL reaches the platform, and at most what the buffer holds.
std::string AsNameBuffer(const std::string& name) {
    const size_t end = std::min({name.find('\0'), name.size(), kNameBufferBytes - 1});
    return name.substr(0, end);
}

// An empty value gives 0; a value that is no 16-bit whole number leaves the field alone.
void ReadSmallWholeNumber(const std::string& value, int16_t& field) {
    if (value.empty()) {
        field = 0;
        return;
    }
    const std::optional<double> number = host::ReadWholeNumber(value);
    if (!number) return;  // Skipped by design: the field keeps its value.
    if (const std::optional<int16_t> whole = host::FloorToInt16(*number)) field = *whole;
}

}  // namespace

std::string SettingsPath(const std::string& programFolder) { return programFolder + kSettingsFileName; }

std::string SettingsCopyPath(const std::string& settingsPath) { return settingsPath + ".new"; }

std::string ReadIniValue(SettingsFilePlatform& platform, const std::string& section,
                         const std::string& key, const std::string& path) {
    std::vector<char> buffer(kValueBufferBytes, '\0');
    platform.ReadProfileValue(section, key, "", buffer.data(), kValueBufferBytes, path);
    buffer.back() = '\0';  // NOTE: a platform that fills the whole buffer still ends here.
    return std::string(buffer.data());
}

FileStep WriteIniValue(SettingsFilePlatform& platform, int32_t& lastResult,
                       const std::string& section, const std::string& key,
                       const std::string& value, const std::string& path) {
    // What a failed write means is the caller's to decide.
    const FileStep step = platform.WriteProfileValue(AsNameBuffer(section), AsNameBuffer(key), value, path);
    lastResult = step.result;
    return step;
}

std::string SignPositionText(int16_t value) {
    const std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

void LoadSettings(SettingsFilePlatform& platform, const std::string& path, const SettingsNames& names,
                  SettingsRecord& settings) {
    ReadSmallWholeNumber(ReadIniValue(platform, names.section, names.kindKey, path), settings.BgmKind);
    ReadSmallWholeNumber(ReadIniValue(platform, names.section, names.repeatKey, path), settings.BgmRepeat);

    settings.BgmFile = ReadIniValue(platform, names.section, names.fileKey, path);
    if (!settings.BgmFile.empty() && !platform.FileExists(settings.BgmFile)) settings.BgmFile.clear();
    // Only a music-file choice depends on the file; an audio-CD choice stands without one.
    if (settings.BgmFile.empty() && settings.BgmKind == kBgmMusicFile) settings.BgmKind = kBgmNone;
}

SaveOutcome SaveSettings(SettingsFilePlatform& platform, const std::string& path, const SettingsNames& names,
                         const SettingsRecord& settings, int32_t& lastResult) {
    const std::string copy = SettingsCopyPath(path);
    const auto failed = [&](const FileStep& step) {
        platform.Remove(copy);
        return SaveOutcome{false, path, step.errorCode};
    };
    // NOTE: a copy left by a save that was cut off must not stand in for the file: the copy
    // is made afresh, or, when there is no file yet, begun from nothing.
    platform.Remove(copy);
    const FileStep copied = platform.CopyOver(path, copy);
    if (!copied.done() && !copied.sourceMissing) return failed(copied);

    const std::pair<const std::string*, std::string> writes[] = {
        {&names.kindKey, SignPositionText(settings.BgmKind)},
        {&names.repeatKey, SignPositionText(settings.BgmRepeat)},
        {&names.fileKey, settings.BgmFile},
    };
    for (const auto& [key, value] : writes) {
        const FileStep written = WriteIniValue(platform, lastResult, names.section, *key, value, copy);
        if (!written.done()) return failed(written);
    }
    const FileStep replaced = platform.MoveOver(copy, path);
    if (!replaced.done()) return failed(replaced);
    return SaveOutcome{};
}

}  // namespace settings
