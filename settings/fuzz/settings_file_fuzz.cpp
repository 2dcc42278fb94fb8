// libFuzzer target for a settings file a stranger wrote: the fuzzer's bytes are the three
// values as the profile read hands them over, read through LoadSettings and the number rules.
// What must hold whatever the file says: the record keeps its limits, what the program would
// write back reads back the same, and the number rules agree with plain arithmetic.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "host/number_text.h"
#include "settings/settings_file.h"

namespace {

const settings::SettingsNames kNames{"Section", "Kind", "Repeat", "File"};
const std::string kIniPath = "C:\\Saver\\Vaporquill.ini";

// A profile whose values come from the fuzzer (or, for the round trip, from what was saved);
// one file, whatever its name, so the save's copy and move change nothing of it.
class FuzzedProfile : public settings::SettingsFilePlatform {
  public:
    std::map<std::string, std::string> values;
    bool fillsWholeBuffer = false;  // a platform that leaves no room for the NUL
    bool musicFileExists = false;

    void ReadProfileValue(const std::string&, const std::string& key, const std::string& defaultValue,
                          char* buffer, uint32_t bufferSize, const std::string&) override {
        const auto found = values.find(key);
        const std::string& value = found == values.end() ? defaultValue : found->second;
        if (fillsWholeBuffer) {
            std::memset(buffer, 'x', bufferSize);
            std::memcpy(buffer, value.data(), std::min<size_t>(value.size(), bufferSize));
            return;
        }
        const size_t length = std::min<size_t>(value.size(), bufferSize - 1);
        std::memcpy(buffer, value.data(), length);
        buffer[length] = '\0';
    }
    settings::FileStep WriteProfileValue(const std::string&, const std::string& key, const std::string& value,
                                         const std::string&) override {
        values[key] = value;
        return {};
    }
    bool FileExists(const std::string&) override { return musicFileExists; }
    settings::FileStep CopyOver(const std::string&, const std::string&) override { return {}; }
    settings::FileStep MoveOver(const std::string&, const std::string&) override { return {}; }
    void Remove(const std::string&) override {}
};

void Require(bool fact) {
    if (!fact) std::abort();
}

void CheckNumberRules(const std::string& text) {
    const double prefix = host::ReadNumberPrefix(text);
    if (const auto whole = host::ReadWholeNumber(text)) {
        Require(std::isfinite(*whole));
        Require(prefix == *whole);  // a text that is one number starts with that number
        if (const auto floored = host::FloorToInt16(*whole)) Require(*floored == std::floor(*whole));
    }
    if (const auto rounded = host::RoundHalfEvenToInt16(prefix)) Require(std::fabs(*rounded - prefix) <= 0.5);
    if (const auto rounded = host::RoundHalfEvenToInt32(prefix)) Require(std::fabs(*rounded - prefix) <= 0.5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    FuzzedProfile profile;
    profile.fillsWholeBuffer = input.ConsumeBool();
    profile.musicFileExists = input.ConsumeBool();
    settings::SettingsRecord settings;
    settings.BgmKind = input.ConsumeIntegral<int16_t>();  // whatever an earlier step left
    settings.BgmRepeat = input.ConsumeIntegral<int16_t>();
    for (const std::string* key : {&kNames.kindKey, &kNames.repeatKey, &kNames.fileKey}) {
        profile.values[*key] = input.ConsumeRandomLengthString(400);
        CheckNumberRules(profile.values[*key]);
    }

    settings::LoadSettings(profile, kIniPath, kNames, settings);
    Require(settings.BgmFile.size() <= 255);
    Require(settings.BgmFile.find('\0') == std::string::npos);
    Require(profile.musicFileExists || settings.BgmFile.empty());
    Require(settings.BgmKind != settings::kBgmMusicFile || !settings.BgmFile.empty());

    // What the dialog would save from this record, the next start reads back unchanged.
    FuzzedProfile saved;
    saved.musicFileExists = profile.musicFileExists;
    int32_t lastResult = 0;
    Require(settings::SaveSettings(saved, kIniPath, kNames, settings, lastResult).saved);
    settings::SettingsRecord reread;
    reread.BgmKind = static_cast<int16_t>(settings.BgmKind + 1);
    reread.BgmRepeat = static_cast<int16_t>(settings.BgmRepeat + 1);
    settings::LoadSettings(saved, kIniPath, kNames, reread);
    Require(reread.BgmKind == settings.BgmKind);
    Require(reread.BgmRepeat == settings.BgmRepeat);
    Require(reread.BgmFile == settings.BgmFile);
    return 0;
}
