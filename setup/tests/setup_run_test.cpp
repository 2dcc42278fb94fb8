// Install and uninstall carried out on a simulated user's files and registry that behave as
// the system's do (a rename replaces, a folder with something in it cannot be removed, a
// value set makes its key): what each leaves behind, and that a failure at any step leaves
// everything exactly as it was.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "setup/install_layout.h"
#include "setup/setup_run.h"
#include "setup/text_fold.h"

namespace setup {
namespace {

const std::wstring kLocal = L"C:\\Users\\Taro Yamada\\AppData\\Local";
const InstallLayout kLayout = *LayoutFor(kLocal);
const std::wstring kDownloadedSetup = L"C:\\Users\\Taro Yamada\\Downloads\\Vaporquill-1.0.0-setup-win64.exe";
const std::wstring kParking = L"C:\\Users\\Taro Yamada\\AppData\\Local\\Temp\\Vaporquill-Setup-uninstall-7.exe";
const std::wstring kMystify = L"C:\\Windows\\system32\\Mystify.scr";
const EntryFacts kFacts{L"1.0.0", 3 * 1024 * 1024 + 1};

using Values = std::map<std::wstring, RegistryValue>;

// The part of a user's machine setup touches. Paths are kept folded, as the file system
// compares them.
struct World {
    std::set<std::wstring> folders{FoldAsciiCase(L"C:\\Users\\Taro Yamada\\AppData\\Local"),
                                   FoldAsciiCase(L"C:\\Users\\Taro Yamada\\AppData\\Local\\Temp")};
    std::map<std::wstring, std::string> files;  // folded path -> contents
    std::map<RegistryKey, Values> keys{{RegistryKey::Desktop, {}}};

    bool operator==(const World& o) const { return folders == o.folders && files == o.files && keys == o.keys; }

    static std::wstring Parent(const std::wstring& path) { return path.substr(0, path.rfind(L'\\')); }
    bool HasFolder(const std::wstring& path) const { return folders.count(FoldAsciiCase(path)) > 0; }
    bool HasFile(const std::wstring& path) const { return files.count(FoldAsciiCase(path)) > 0; }
    std::string File(const std::wstring& path) const {
        const auto found = files.find(FoldAsciiCase(path));
        return found == files.end() ? "<none>" : found->second;
    }
    void Put(const std::wstring& path, const std::string& contents) {
        for (std::wstring folder = Parent(path); folder.size() > 3 && !HasFolder(folder); folder = Parent(folder)) {
            folders.insert(FoldAsciiCase(folder));
        }
        files[FoldAsciiCase(path)] = contents;
    }
    bool IsEmptyFolder(const std::wstring& path) const {
        const std::wstring prefix = FoldAsciiCase(path) + L"\\";
        const auto starts = [&](const std::wstring& p) { return p.compare(0, prefix.size(), prefix) == 0; };
        for (const auto& [file, _] : files) if (starts(file)) return false;
        for (const auto& folder : folders) if (starts(folder)) return false;
        return true;
    }
    std::optional<RegistryValue> Value(RegistryKey key, const std::wstring& name) const {
        const auto k = keys.find(key);
        if (k == keys.end()) return std::nullopt;
        const auto v = k->second.find(name);
        return v == k->second.end() ? std::nullopt : std::optional<RegistryValue>(v->second);
    }
    std::optional<std::wstring> Text(RegistryKey key, const std::wstring& name) const {
        const auto value = Value(key, name);
        return value ? std::optional<std::wstring>(value->text) : std::nullopt;
    }
};

// The system's answers, with one step made to fail on purpose.
class SimulatedSystem : public SetupPort {
  public:
    explicit SimulatedSystem(World& world) : world_(world) {}
    int failAt = -1;  // the index of the step that fails; -1 for none
    int steps = 0;
    bool shortNames = true;
    std::set<std::wstring> runningImages;  // folded paths of running programs

    std::optional<Step> failedStep;

    bool Do(const Step& step, std::wstring& reason) override {
        if (steps++ == failAt) {
            failedStep = step;
            reason = L"injected";
            return false;
        }
        const bool done = Apply(step);
        if (!done) reason = L"refused";
        return done;
    }
    std::wstring ShortPathOf(const std::wstring& path) override {
        if (!shortNames || !world_.HasFile(path)) return L"";
        return L"C:\\Users\\TAROYA~1\\AppData\\Local\\Programs\\VAPORQ~1\\VAPORQ~1.SCR";
    }
    AnsiCharacterTest AnsiTest() override { return [](wchar_t c) { return c < 0x80 || (c >= 0x3040 && c <= 0x9FFF); }; }

  private:
    bool Apply(const Step& s) {
        World& w = world_;
        const std::wstring path = FoldAsciiCase(s.path);
        switch (s.kind) {
            case StepKind::MakeFolder:
                if (w.HasFolder(s.path) || w.HasFile(s.path) || !w.HasFolder(World::Parent(s.path))) return false;
                w.folders.insert(path);
                return true;
            case StepKind::RemoveFolder:
                if (!w.HasFolder(s.path)) return true;
                if (!w.IsEmptyFolder(s.path)) return false;
                w.folders.erase(path);
                return true;
            case StepKind::WriteFile: {
                if (!w.HasFolder(World::Parent(s.path)) || runningImages.count(path)) return false;
                static const char* const kPayloads[] = {"new saver", "new renderer", "setup itself"};
                w.files[path] = kPayloads[static_cast<int>(s.payload)];
                return true;
            }
            case StepKind::Rename: {
                const std::wstring to = FoldAsciiCase(s.to);
                if (!w.HasFile(s.path) || !w.HasFolder(World::Parent(s.to)) || runningImages.count(to)) return false;
                w.files[to] = w.files[path];
                w.files.erase(path);
                if (runningImages.erase(path)) runningImages.insert(to);  // a running program may be renamed
                return true;
            }
            case StepKind::RemoveFile:
                if (runningImages.count(path)) return false;
                w.files.erase(path);
                return true;
            case StepKind::MakeKey: w.keys[s.key]; return true;
            case StepKind::DeleteKey: w.keys.erase(s.key); return true;
            case StepKind::SetValue: w.keys[s.key][s.name] = s.value; return true;
            case StepKind::DeleteValue:
                if (w.keys.count(s.key)) w.keys[s.key].erase(s.name);
                return true;
        }
        return false;
    }
    World& world_;
};

ObservedState Observe(const World& world, const std::wstring& selfPath, SimulatedSystem& system) {
    ObservedState state;
    state.layout = kLayout;
    state.selfPath = selfPath;
    state.programsFolderExists = world.HasFolder(kLayout.programsFolder);
    state.folderExists = world.HasFolder(kLayout.folder);
    const std::wstring prefix = FoldAsciiCase(kLayout.folder) + L"\\";
    for (const auto& [path, _] : world.files) {
        if (path.compare(0, prefix.size(), prefix) == 0 && path.find(L'\\', prefix.size()) == std::wstring::npos) {
            state.folderEntries.push_back(path.substr(prefix.size()));
        }
    }
    state.desktop = SaverChoice{world.Text(RegistryKey::Desktop, L"SCRNSAVE.EXE"),
                                world.Text(RegistryKey::Desktop, L"ScreenSaveActive")};
    state.saverShortPath = system.ShortPathOf(kLayout.saver);
    state.exchangeFolderExists = world.HasFolder(L"C:\\q_vosk");
    const std::wstring exchange = L"c:\\q_vosk\\";
    for (const auto& [path, _] : world.files) {
        if (path.compare(0, exchange.size(), exchange) == 0) state.exchangeEntries.push_back(path.substr(exchange.size()));
    }
    const auto entry = world.keys.find(RegistryKey::Entry);
    state.entry.exists = entry != world.keys.end();
    if (state.entry.exists) state.entry.values = entry->second;
    return state;
}

RunOutcome RunOn(World& world, bool uninstall, int failAt, const std::wstring& selfPath,
                 std::optional<Step>* failedStep = nullptr) {
    SimulatedSystem system(world);
    system.failAt = failAt;
    system.runningImages.insert(FoldAsciiCase(selfPath));
    const ObservedState observed = Observe(world, selfPath, system);
    const RunOutcome outcome =
        uninstall ? RunUninstall(observed, kParking, system) : RunInstall(observed, kFacts, system);
    if (failedStep) *failedStep = system.failedStep;
    return outcome;
}

RunOutcome Install(World& world, int failAt = -1, const std::wstring& selfPath = kDownloadedSetup) {
    return RunOn(world, false, failAt, selfPath);
}

RunOutcome Uninstall(World& world, int failAt = -1, const std::wstring& selfPath = kLayout.setup) {
    return RunOn(world, true, failAt, selfPath);
}

World WithMystifyChosen() {
    World world;
    world.keys[RegistryKey::Desktop] = {{L"SCRNSAVE.EXE", RegistryValue::Text(kMystify)},
                                        {L"ScreenSaveActive", RegistryValue::Text(L"0")},
                                        {L"ScreenSaveTimeOut", RegistryValue::Text(L"600")}};
    return world;
}

World Installed(World world) {
    EXPECT_EQ(Install(world).result, SetupResult::Done);
    return world;
}

// --- What a whole run leaves ---------------------------------------------------------------

TEST(SetupRun, InstallPutsThePairInTheUsersProgramFolderAndChoosesItByItsShortPath) {
    World world = WithMystifyChosen();
    const RunOutcome outcome = Install(world);
    ASSERT_EQ(outcome.result, SetupResult::Done);
    EXPECT_EQ(world.File(kLayout.saver), "new saver");
    EXPECT_EQ(world.File(kLayout.renderer), "new renderer");
    EXPECT_EQ(world.File(kLayout.setup), "setup itself");
    EXPECT_FALSE(world.HasFile(kLayout.settings));
    // The user's folder holds a blank.
    const std::wstring shortPath = L"C:\\Users\\TAROYA~1\\AppData\\Local\\Programs\\VAPORQ~1\\VAPORQ~1.SCR";
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"SCRNSAVE.EXE"), shortPath);
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"ScreenSaveActive"), L"1");
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"ScreenSaveTimeOut"), L"600") << "the user's timeout stays";
    EXPECT_EQ(outcome.desktopAfter, (SaverChoice{shortPath, L"1"}));
    EXPECT_EQ(world.Text(RegistryKey::Entry, L"InstallLocation"), kLayout.folder);
    EXPECT_EQ(world.Text(RegistryKey::Entry, L"QuietUninstallString"),
              L"\"" + kLayout.setup + L"\" /uninstall /quiet");
    EXPECT_EQ(world.Value(RegistryKey::Entry, L"EstimatedSize"), RegistryValue::Number(3073));
    EXPECT_EQ(world.Value(RegistryKey::Entry, L"NoRepair"), RegistryValue::Number(1));
    // No temporary name is left behind.
    for (const auto& [path, _] : world.files) EXPECT_EQ(path.find(L".new"), std::wstring::npos) << path;
}

TEST(SetupRun, AnUpgradeReplacesThePairKeepsTheSettingsAndTheChoiceRememberedFirst) {
    World world = Installed(WithMystifyChosen());
    world.Put(kLayout.saver, "old saver");
    world.Put(kLayout.renderer, "old renderer");
    world.Put(kLayout.settings, "[Section]\r\nmusic");
    ASSERT_EQ(Install(world).result, SetupResult::Done);
    EXPECT_EQ(world.File(kLayout.saver), "new saver");
    EXPECT_EQ(world.File(kLayout.renderer), "new renderer");
    EXPECT_EQ(world.File(kLayout.settings), "[Section]\r\nmusic");
    EXPECT_FALSE(world.HasFile(kLayout.saver + kOldSuffix));
    ASSERT_EQ(Uninstall(world).result, SetupResult::Done);
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"SCRNSAVE.EXE"), kMystify) << "not the upgraded Vaporquill itself";
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"ScreenSaveActive"), L"0");
}

TEST(SetupRun, TheInstalledSetupRunAgainReplacesThePairButNotItself) {
    World world = Installed(World());
    world.Put(kLayout.saver, "old saver");
    ASSERT_EQ(Install(world, -1, kLayout.setup).result, SetupResult::Done);
    EXPECT_EQ(world.File(kLayout.saver), "new saver");
    EXPECT_EQ(world.File(kLayout.setup), "setup itself");
}

TEST(SetupRun, UninstallBringsBackTheSaverBeforeAndLeavesNoFileFolderOrEntry) {
    World before = WithMystifyChosen();
    World world = Installed(before);
    world.Put(kLayout.settings, "music");
    const RunOutcome outcome = Uninstall(world);
    ASSERT_EQ(outcome.result, SetupResult::Done);
    EXPECT_EQ(outcome.desktopAfter, (SaverChoice{kMystify, L"0"}));
    // The running uninstaller moved itself out of the folder to be removable.
    EXPECT_EQ(world.File(kParking), "setup itself");
    world.files.erase(FoldAsciiCase(kParking));
    before.folders.insert(FoldAsciiCase(kLayout.programsFolder));  // shared with other programs: it stays
    EXPECT_EQ(world, before);
}

TEST(SetupRun, UninstallOnAFreshProfileTakesAwayTheValuesItAdded) {
    World world = Installed(World());
    world.Put(L"C:\\q_vosk\\Cirrovance.bmp", "BM");  // the saver ran
    ASSERT_EQ(Uninstall(world, -1, kDownloadedSetup).result, SetupResult::Done);
    EXPECT_FALSE(world.Value(RegistryKey::Desktop, L"SCRNSAVE.EXE").has_value());
    EXPECT_FALSE(world.Value(RegistryKey::Desktop, L"ScreenSaveActive").has_value());
    EXPECT_FALSE(world.HasFolder(kLayout.folder));
    EXPECT_FALSE(world.HasFolder(L"C:\\q_vosk"));
    EXPECT_EQ(world.keys.count(RegistryKey::Entry), 0u);
}

TEST(SetupRun, UninstallLeavesASaverChosenSinceAndTheUsersOwnFiles) {
    World world = Installed(World());
    world.keys[RegistryKey::Desktop][L"SCRNSAVE.EXE"] = RegistryValue::Text(kMystify);
    world.Put(kLayout.folder + L"\\my music.mp3", "ID3");
    world.Put(L"C:\\q_vosk\\Cirrovance.bmp", "BM");
    world.Put(L"C:\\q_vosk\\notes.txt", "the user's");
    const RunOutcome outcome = Uninstall(world);
    ASSERT_EQ(outcome.result, SetupResult::Done);
    EXPECT_FALSE(outcome.desktopAfter.has_value());
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"SCRNSAVE.EXE"), kMystify);
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"ScreenSaveActive"), L"1");
    EXPECT_EQ(world.File(kLayout.folder + L"\\my music.mp3"), "ID3");
    EXPECT_FALSE(world.HasFile(kLayout.saver));
    EXPECT_FALSE(world.HasFile(kLayout.settings));
    EXPECT_FALSE(world.HasFile(L"C:\\q_vosk\\Cirrovance.bmp"));
    EXPECT_EQ(world.File(L"C:\\q_vosk\\notes.txt"), "the user's");
}

TEST(SetupRun, WithoutShortNamesABlankInThePathIsStoredLong) {
    World world;
    SimulatedSystem system(world);
    system.shortNames = false;
    ASSERT_EQ(RunInstall(Observe(world, kDownloadedSetup, system), kFacts, system).result, SetupResult::Done);
    EXPECT_EQ(world.Text(RegistryKey::Desktop, L"SCRNSAVE.EXE"), kLayout.saver);
}

// --- A failure at any step -----------------------------------------------------------------

struct Scenario {
    const char* name;
    World (*before)();
    bool uninstall;
    const wchar_t* self;
};

World FreshProfile() { return WithMystifyChosen(); }
World OlderInstallWithMusic() {
    World world = Installed(WithMystifyChosen());
    world.Put(kLayout.saver, "old saver");
    world.Put(kLayout.renderer, "old renderer");
    world.Put(kLayout.settings, "music");
    return world;
}
World InstalledWithLeftovers() {
    World world = OlderInstallWithMusic();
    world.Put(kLayout.renderer + kNewSuffix, "half-written copy of a run that crashed");
    world.Put(kLayout.saver + kOldSuffix + kGoingSuffix, "a copy two cut-short runs left");
    return world;
}

// A half-written copy left by a run that crashed holds nothing of the user's: a later run may
// replace it, also when that run fails. Every other file counts, new temporary ones included.
World WithoutStaleTemporaries(World world, const World& before) {
    for (const auto& [path, _] : before.files) {
        for (const wchar_t* suffix : {kNewSuffix, kOldSuffix, kGoingSuffix}) {
            const std::wstring end = suffix;
            if (path.size() > end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0) {
                world.files.erase(path);
            }
        }
    }
    return world;
}

TEST(SetupRun, UninstallTakesAwayWhatCutShortRunsLeftAndTheFolder) {
    World world = InstalledWithLeftovers();
    ASSERT_EQ(Uninstall(world, -1, kDownloadedSetup).result, SetupResult::Done);
    EXPECT_FALSE(world.HasFolder(kLayout.folder));
}

class FailureAtEveryStep : public testing::TestWithParam<Scenario> {};

TEST_P(FailureAtEveryStep, LeavesEverythingAsItWas) {
    const Scenario& scenario = GetParam();
    const std::wstring self = scenario.self;
    // The number of steps of a run that succeeds.
    World probe = scenario.before();
    SimulatedSystem counter(probe);
    counter.runningImages.insert(FoldAsciiCase(self));
    const ObservedState observed = Observe(probe, self, counter);
    const RunOutcome whole = scenario.uninstall ? RunUninstall(observed, kParking, counter)
                                                : RunInstall(observed, kFacts, counter);
    ASSERT_EQ(whole.result, SetupResult::Done);
    ASSERT_GT(counter.steps, 3);

    for (int failAt = 0; failAt < counter.steps; ++failAt) {
        const World before = scenario.before();
        World world = before;
        std::optional<Step> failed;
        const RunOutcome outcome = RunOn(world, scenario.uninstall, failAt, self, &failed);
        if (outcome.result == SetupResult::Done) continue;  // a tidying step: its failure is skipped
        ASSERT_TRUE(failed.has_value());
        // A file step is a copy (install) or removal (uninstall) failure, any other the registry's.
        const SetupResult expected = !failed->IsFileStep() ? SetupResult::RegistryFailed
                                     : scenario.uninstall  ? SetupResult::RemoveFailed
                                                           : SetupResult::CopyFailed;
        EXPECT_EQ(outcome.result, expected) << "step " << failAt;
        EXPECT_TRUE(outcome.undoneWhole) << "step " << failAt;
        EXPECT_EQ(outcome.reason, L"injected");
        EXPECT_FALSE(outcome.desktopAfter.has_value());
        EXPECT_TRUE(WithoutStaleTemporaries(world, before) == WithoutStaleTemporaries(before, before))
            << scenario.name << ": failing step " << failAt << " of " << counter.steps
                                     << " left a change";
    }
}

INSTANTIATE_TEST_SUITE_P(All, FailureAtEveryStep, testing::Values(
    Scenario{"first install", FreshProfile, false, kDownloadedSetup.c_str()},
    Scenario{"upgrade", OlderInstallWithMusic, false, kDownloadedSetup.c_str()},
    Scenario{"upgrade over leftovers", InstalledWithLeftovers, false, kDownloadedSetup.c_str()},
    Scenario{"upgrade run from the installed setup", OlderInstallWithMusic, false, kLayout.setup.c_str()},
    Scenario{"uninstall from the list", OlderInstallWithMusic, true, kLayout.setup.c_str()},
    Scenario{"uninstall by another copy", InstalledWithLeftovers, true, kDownloadedSetup.c_str()}));

}  // namespace
}  // namespace setup
