// Loading and saving the settings record over a fake profile store that behaves as the
// platform's profile functions do (byte strings, cut to the buffer, blanks around values
// dropped on reading).
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

// The keys as code page 932 bytes, as existing files hold them.
const settings::SettingsNames kNames{"Section", "BGM\x8B\xE6\x95\xAA", "BGM\xD8\xCB\xDF\xB0\xC4",
                           "BGM\xCC\xA7\xB2\xD9"};
const std::string kIniPath = "C:\\Saver\\Vaporquill.ini";

struct WriteCall {
    std::string section, key, value, path;
    bool operator==(const WriteCall& o) const {
        return std::tie(section, key, value, path) == std::tie(o.section, o.key, o.value, o.path);
    }
};

// A folder of profile files as the platform's profile functions see them: byte strings, cut
// to the buffer, blanks around values dropped on reading. Each copy, write and move is a
// step; the steps after stepsBeforeFailure fail with access denied.
using IniFile = std::map<std::pair<std::string, std::string>, std::string>;  // (section, key) -> value

class FakeProfile : public settings::SettingsFilePlatform {
  public:
    void ReadProfileValue(const std::string& section, const std::string& key,
                          const std::string& defaultValue, char* buffer, uint32_t bufferSize,
                          const std::string& path) override {
        readPaths.push_back(path);
        std::string value = defaultValue;
        const auto file = files.find(path);
        if (file != files.end()) {
            const auto found = file->second.find({section, key});
            if (found != file->second.end()) value = Trimmed(found->second);
        }
        const size_t length = std::min<size_t>(value.size(), bufferSize - 1);
        std::memcpy(buffer, value.data(), length);
        buffer[length] = '\0';
    }

    bool FileExists(const std::string& path) override {
        existenceAsked.push_back(path);
        return existingFiles.count(path) > 0;
    }

    settings::FileStep WriteProfileValue(const std::string& section, const std::string& key,
                                         const std::string& value, const std::string& path) override {
        writes.push_back({section, key, value, path});
        if (StepFails()) return {0, kAccessDenied};
        files[path][{section, key}] = value;
        return {};
    }

    settings::FileStep CopyOver(const std::string& from, const std::string& to) override {
        if (StepFails()) return {0, kAccessDenied};
        const auto source = files.find(from);
        if (source == files.end()) return {0, kFileNotFound, /*sourceMissing*/ true};
        files[to] = source->second;
        return {};
    }

    settings::FileStep MoveOver(const std::string& from, const std::string& to) override {
        if (StepFails()) return {0, kAccessDenied};
        files[to] = files.at(from);
        files.erase(from);
        return {};
    }

    void Remove(const std::string& path) override { files.erase(path); }

    void Put(const std::string& key, const std::string& value) { files[kIniPath][{"Section", key}] = value; }

    std::map<std::string, IniFile> files;
    std::set<std::string> existingFiles;
    std::vector<WriteCall> writes;
    std::vector<std::string> readPaths;
    std::vector<std::string> existenceAsked;
    size_t stepsBeforeFailure = SIZE_MAX;
    static constexpr uint32_t kAccessDenied = 5;
    static constexpr uint32_t kFileNotFound = 2;

  private:
    bool StepFails() { return stepsTaken_++ >= stepsBeforeFailure; }
    static std::string Trimmed(const std::string& text) {
        const size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos) return "";
        return text.substr(first, text.find_last_not_of(' ') - first + 1);
    }
    size_t stepsTaken_ = 0;
};

void Load(FakeProfile& profile, settings::SettingsRecord& settings) {
    settings::LoadSettings(profile, kIniPath, kNames, settings);
}

settings::SaveOutcome Save(FakeProfile& profile, const settings::SettingsRecord& settings, int32_t& lastResult) {
    return settings::SaveSettings(profile, kIniPath, kNames, settings, lastResult);
}

// --- Loading ---------------------------------------------------------------------------

struct LoadCase {
    const char* name;
    std::optional<std::string> kind, repeat, file;
    bool fileExists;
    int16_t expectedKind, expectedRepeat;
    std::string expectedFile;
};

class LoadingSettings : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadingSettings, FillsTheRecord) {
    const LoadCase& c = GetParam();
    FakeProfile profile;
    if (c.kind) profile.Put(kNames.kindKey, *c.kind);
    if (c.repeat) profile.Put(kNames.repeatKey, *c.repeat);
    if (c.file) profile.Put(kNames.fileKey, *c.file);
    if (c.fileExists && c.file) profile.existingFiles.insert(*c.file);

    settings::SettingsRecord settings;
    Load(profile, settings);
    EXPECT_EQ(settings.BgmKind, c.expectedKind);
    EXPECT_EQ(settings.BgmRepeat, c.expectedRepeat);
    EXPECT_EQ(settings.BgmFile, c.expectedFile);
}

const std::string kMusic = "D:\\Music\\song.mp3";
const std::string kJapaneseMusic = "D:\\\x89\xB9\x8A\x79\\\x95\x5C.wav";  // 音楽\表.wav

INSTANTIATE_TEST_SUITE_P(Cases, LoadingSettings, testing::Values(
    LoadCase{"NoFile", {}, {}, {}, false, 0, 0, ""},
    LoadCase{"MusicFile", " 2", " 0", kMusic, true, 2, 0, kMusic},
    LoadCase{"JapanesePathKeptAsBytes", " 2", " 0", kJapaneseMusic, true, 2, 0, kJapaneseMusic},
    LoadCase{"MusicFileGone", " 2", " 0", kMusic, false, 0, 0, ""},
    LoadCase{"MusicFileKeyEmpty", " 2", " 0", "", false, 0, 0, ""},
    LoadCase{"MusicFileKeyMissing", " 2", " 3", {}, false, 0, 3, ""},
    LoadCase{"AudioCdWithoutFileKey", " 1", " 4", {}, false, 1, 4, ""},
    LoadCase{"AudioCdKeepsKindWhenFileGone", " 1", " 0", kMusic, false, 1, 0, ""},
    LoadCase{"NoneKeepsAnExistingFile", " 0", " 0", kMusic, true, 0, 0, kMusic},
    LoadCase{"FractionRoundsDown", "2.9", " 0", kMusic, true, 2, 0, kMusic},
    LoadCase{"NegativeFractionRoundsDown", "-0.5", "-2.5", {}, false, -1, -3, ""},
    LoadCase{"NotANumber", "abc", "x1", {}, false, 0, 0, ""},
    LoadCase{"TrailingGarbage", "2abc", "12x", {}, false, 0, 0, ""},
    LoadCase{"Outside16Bits", "99999", "-32769", {}, false, 0, 0, ""},
    LoadCase{"Edges16Bits", "32767", "-32768", {}, false, 32767, -32768, ""},
    LoadCase{"UnknownKindLoadsUnchanged", "7", " 0", {}, false, 7, 0, ""},
    LoadCase{"RepeatWithBlank", " 1", " 12", {}, false, 1, 12, ""},
    LoadCase{"BlanksAround", "  1  ", " 5 ", {}, false, 1, 5, ""},
    LoadCase{"ExponentForm", "1e0", "1e1", {}, false, 1, 10, ""}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(LoadingSettingsFile, ReadsEveryKeyFromTheFileBesideTheProgram) {
    FakeProfile profile;
    settings::SettingsRecord settings;
    Load(profile, settings);
    ASSERT_EQ(profile.readPaths.size(), 3u);
    for (const std::string& path : profile.readPaths) EXPECT_EQ(path, kIniPath);
}

TEST(LoadingSettingsFile, AKeyInAnotherCodePageDoesNotMatch) {
    FakeProfile profile;
    profile.Put("BGM\xE5\x8C\xBA\xE5\x88\x86", " 1");  // the kind key in UTF-8
    settings::SettingsRecord settings;
    Load(profile, settings);
    EXPECT_EQ(settings.BgmKind, 0);
}

TEST(LoadingSettingsFile, AnOverlongPathIsCutTo255BytesBeforeTheExistenceTest) {
    FakeProfile profile;
    const std::string longPath = "C:\\" + std::string(297, 'a');
    profile.Put(kNames.kindKey, " 2");
    profile.Put(kNames.fileKey, longPath);
    profile.existingFiles.insert(longPath.substr(0, 255));
    settings::SettingsRecord settings;
    Load(profile, settings);
    ASSERT_EQ(profile.existenceAsked.size(), 1u);
    EXPECT_EQ(profile.existenceAsked[0].size(), 255u);
    EXPECT_EQ(settings.BgmFile, longPath.substr(0, 255));
    EXPECT_EQ(settings.BgmKind, 2);
}

// --- Saving ----------------------------------------------------------------------------

const std::string kCopyPath = kIniPath + ".new";

TEST(SavingSettings, WritesKindRepeatFileInOrderToACopyThatReplacesTheFile) {
    FakeProfile profile;
    profile.Put(kNames.kindKey, " 0");
    profile.files[kIniPath][{"Other", "kept"}] = "yes";
    int32_t lastResult = -7;
    EXPECT_TRUE(Save(profile, settings::SettingsRecord{2, 0, kMusic}, lastResult).saved);
    const std::vector<WriteCall> expected{
        {"Section", kNames.kindKey, " 2", kCopyPath},
        {"Section", kNames.repeatKey, " 0", kCopyPath},
        {"Section", kNames.fileKey, kMusic, kCopyPath}};
    EXPECT_EQ(profile.writes, expected);
    const IniFile saved{{{"Other", "kept"}, "yes"},
                        {{"Section", kNames.kindKey}, " 2"},
                        {{"Section", kNames.repeatKey}, " 0"},
                        {{"Section", kNames.fileKey}, kMusic}};
    EXPECT_EQ(profile.files, (std::map<std::string, IniFile>{{kIniPath, saved}})) << "other keys kept, no copy left";
    EXPECT_EQ(lastResult, 1);
}

TEST(SavingSettings, WithoutAFileTheCopyBeginsFromNothingEvenBesideAStaleCopy) {
    FakeProfile profile;
    profile.files[kCopyPath][{"Section", "stale"}] = "left by a save that was cut off";
    int32_t lastResult = 0;
    EXPECT_TRUE(Save(profile, settings::SettingsRecord{1, 4, ""}, lastResult).saved);
    EXPECT_EQ(profile.files.count(kCopyPath), 0u);
    EXPECT_EQ(profile.files.at(kIniPath).count({"Section", "stale"}), 0u);
    EXPECT_EQ(profile.files.at(kIniPath).size(), 3u);
}

struct SignCase { int16_t value; const char* text; };
class SignPosition : public testing::TestWithParam<SignCase> {};
TEST_P(SignPosition, BlankForZeroAndPositiveMinusForNegative) {
    EXPECT_EQ(settings::SignPositionText(GetParam().value), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Values, SignPosition, testing::Values(
    SignCase{0, " 0"}, SignCase{2, " 2"}, SignCase{12, " 12"}, SignCase{-1, "-1"},
    SignCase{-3, "-3"}, SignCase{32767, " 32767"}, SignCase{-32768, "-32768"}));

// The steps of a save: the copy, the three writes, the move over the file.
class AFailedStep : public testing::TestWithParam<size_t> {};

TEST_P(AFailedStep, LeavesTheFileAsItWasDropsTheCopyAndIsToldWithTheSystemsReason) {
    FakeProfile profile;
    profile.Put(kNames.kindKey, " 1");
    profile.Put(kNames.repeatKey, " 3");
    profile.files[kIniPath][{"Other", "kept"}] = "yes";
    const IniFile before = profile.files.at(kIniPath);
    profile.stepsBeforeFailure = GetParam();
    int32_t lastResult = 1;
    const settings::SaveOutcome outcome = Save(profile, settings::SettingsRecord{2, 0, kMusic}, lastResult);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.path, kIniPath);
    EXPECT_EQ(outcome.errorCode, FakeProfile::kAccessDenied);
    EXPECT_EQ(profile.files, (std::map<std::string, IniFile>{{kIniPath, before}}));
    EXPECT_EQ(profile.writes.size(), std::min<size_t>(GetParam(), 3)) << "no write after the failed step";
}

INSTANTIATE_TEST_SUITE_P(Steps, AFailedStep, testing::Values(0, 1, 2, 3, 4));

TEST(SavingSettings, WhatIsSavedLoadsBackUnchanged) {
    for (const settings::SettingsRecord& saved : {settings::SettingsRecord{2, 0, kJapaneseMusic},
                                        settings::SettingsRecord{1, 12, ""}, settings::SettingsRecord{1, -3, ""},
                                        settings::SettingsRecord{0, 0, ""}, settings::SettingsRecord{7, 0, ""}}) {
        FakeProfile profile;
        profile.existingFiles.insert(kJapaneseMusic);
        int32_t lastResult = 0;
        Save(profile, saved, lastResult);
        settings::SettingsRecord loaded;
        Load(profile, loaded);
        EXPECT_EQ(loaded.BgmKind, saved.BgmKind);
        EXPECT_EQ(loaded.BgmRepeat, saved.BgmRepeat);
        EXPECT_EQ(loaded.BgmFile, saved.BgmFile);
    }
}

TEST(WritingIniValues, NamesPassOnlyUpToTheirBufferAndAnyNul) {
    FakeProfile profile;
    int32_t lastResult = 0;
    settings::WriteIniValue(profile, lastResult, std::string(200, 's'), std::string("key\0tail", 8), "v", kIniPath);
    ASSERT_EQ(profile.writes.size(), 1u);
    EXPECT_EQ(profile.writes[0].section, std::string(127, 's'));
    EXPECT_EQ(profile.writes[0].key, "key");
}

}  // namespace
