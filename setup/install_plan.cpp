// See install_plan.h. Portable.
#include "setup/install_plan.h"

#include <algorithm>
#include <optional>

#include "common/exchange_names.h"
#include "setup/saver_path.h"
#include "setup/text_fold.h"

namespace setup {

namespace {

constexpr const wchar_t* kTemporarySuffixes[] = {kNewSuffix, kOldSuffix, kGoingSuffix};

Step FileStep(StepKind kind, const std::wstring& path, const std::wstring& to = L"") {
    Step step;
    step.kind = kind;
    step.path = path;
    step.to = to;
    return step;
}

Step WriteStep(const std::wstring& path, Payload payload) {
    Step step = FileStep(StepKind::WriteFile, path);
    step.payload = payload;
    return step;
}

Step KeyStep(StepKind kind, RegistryKey key) {
    Step step;
    step.kind = kind;
    step.key = key;
    return step;
}

Step ValueStep(RegistryKey key, const std::wstring& name, const std::optional<RegistryValue>& value) {
    Step step = KeyStep(value ? StepKind::SetValue : StepKind::DeleteValue, key);
    step.name = name;
    if (value) step.value = *value;
    return step;
}

// A value brought from `prior` to `wanted`, undone back to `prior`; nothing when they agree.
void ChangeValue(std::vector<PlannedStep>& steps, RegistryKey key, const std::wstring& name,
                 const std::optional<RegistryValue>& wanted, const std::optional<RegistryValue>& prior) {
    if (wanted == prior) return;
    steps.push_back({ValueStep(key, name, wanted), ValueStep(key, name, prior)});
}

std::optional<RegistryValue> AsText(const std::optional<std::wstring>& text) {
    if (!text) return std::nullopt;
    return RegistryValue::Text(*text);
}

std::wstring FileNameOf(const std::wstring& path) { return path.substr(path.rfind(L'\\') + 1); }

struct InstalledFile {
    std::wstring path;
    Payload payload;
};

// The programs install puts in place; the uninstaller only when another copy of setup runs.
std::vector<InstalledFile> InstalledFiles(const ObservedState& state) {
    std::vector<InstalledFile> files{{state.layout.saver, Payload::Saver}, {state.layout.renderer, Payload::Renderer}};
    if (!RunsAsInstalledSetup(state)) files.push_back({state.layout.setup, Payload::Setup});
    return files;
}

// Setup's own file names in the folder: the four files, each also under its temporary names,
// however many a run that was cut short piled up (".old.del").
bool IsSetupsFileName(std::wstring name, const InstallLayout& layout) {
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const wchar_t* suffix : kTemporarySuffixes) {
            const std::wstring end = suffix;
            if (name.size() > end.size() && EqualIgnoringAsciiCase(name.substr(name.size() - end.size()), end)) {
                name.resize(name.size() - end.size());
                stripped = true;
            }
        }
    }
    for (const std::wstring& path : {layout.saver, layout.renderer, layout.setup, layout.settings}) {
        if (EqualIgnoringAsciiCase(name, FileNameOf(path))) return true;
    }
    return false;
}

std::wstring WidenAscii(const char* text) {
    std::wstring wide;
    for (; *text; ++text) wide += static_cast<wchar_t>(*text);
    return wide;
}

bool EndsWithGoingSuffix(const std::wstring& name) {
    const std::wstring suffix = kGoingSuffix;
    return name.size() > suffix.size() && EqualIgnoringAsciiCase(name.substr(name.size() - suffix.size()), suffix);
}

}  // namespace

bool HasEntry(const ObservedState& state, const std::wstring& fileName) {
    return std::any_of(state.folderEntries.begin(), state.folderEntries.end(),
                       [&](const std::wstring& name) { return EqualIgnoringAsciiCase(name, fileName); });
}

bool DesktopNamesVaporquill(const ObservedState& state) {
    return state.desktop.saver && NamesInstalledSaver(*state.desktop.saver, state.layout.saver, state.saverShortPath);
}

bool IsInstalled(const ObservedState& state) {
    return state.entry.exists || HasEntry(state, FileNameOf(state.layout.saver));
}

bool RunsAsInstalledSetup(const ObservedState& state) {
    return EqualIgnoringAsciiCase(state.selfPath, state.layout.setup);
}

std::vector<PlannedStep> InstallFileSteps(const ObservedState& state) {
    std::vector<PlannedStep> steps;
    if (!state.programsFolderExists) {
        steps.push_back({FileStep(StepKind::MakeFolder, state.layout.programsFolder),
                         FileStep(StepKind::RemoveFolder, state.layout.programsFolder)});
    }
    if (!state.folderExists) {
        steps.push_back({FileStep(StepKind::MakeFolder, state.layout.folder),
                         FileStep(StepKind::RemoveFolder, state.layout.folder)});
    }
    const std::vector<InstalledFile> files = InstalledFiles(state);
    // Every new copy is complete before any previous one is touched.
    for (const InstalledFile& file : files) {
        const std::wstring fresh = file.path + kNewSuffix;
        steps.push_back({WriteStep(fresh, file.payload), FileStep(StepKind::RemoveFile, fresh)});
    }
    for (const InstalledFile& file : files) {
        const std::wstring fresh = file.path + kNewSuffix;
        const std::wstring previous = file.path + kOldSuffix;
        if (HasEntry(state, FileNameOf(file.path))) {
            steps.push_back({FileStep(StepKind::Rename, file.path, previous),
                             FileStep(StepKind::Rename, previous, file.path)});
        }
        steps.push_back({FileStep(StepKind::Rename, fresh, file.path), FileStep(StepKind::Rename, file.path, fresh)});
    }
    return steps;
}

std::vector<PlannedStep> InstallRegistrySteps(const ObservedState& state, const EntryFacts& facts,
                                              const std::wstring& saverValue) {
    std::vector<PlannedStep> steps;
    if (!state.entry.exists) {
        steps.push_back({KeyStep(StepKind::MakeKey, RegistryKey::Entry), KeyStep(StepKind::DeleteKey, RegistryKey::Entry)});
    }
    const SaverChoice remembered =
        ChoiceToRemember(state.desktop, DesktopNamesVaporquill(state), RememberedChoice(state.entry));
    for (const auto& [name, wanted] : EntryValues(state.layout, facts, remembered)) {
        const auto found = state.entry.values.find(name);
        const std::optional<RegistryValue> prior =
            found == state.entry.values.end() ? std::nullopt : std::optional<RegistryValue>(found->second);
        ChangeValue(steps, RegistryKey::Entry, name, wanted, prior);
    }
    // NOTE: ScreenSaveTimeOut is the user's and stays as it is.
    ChangeValue(steps, RegistryKey::Desktop, L"SCRNSAVE.EXE", RegistryValue::Text(saverValue), AsText(state.desktop.saver));
    ChangeValue(steps, RegistryKey::Desktop, L"ScreenSaveActive", RegistryValue::Text(L"1"), AsText(state.desktop.active));
    return steps;
}

std::vector<PlannedStep> InstallTidySteps(const ObservedState& state) {
    std::vector<PlannedStep> steps;
    for (const InstalledFile& file : InstalledFiles(state)) {
        if (HasEntry(state, FileNameOf(file.path))) {
            steps.push_back({FileStep(StepKind::RemoveFile, file.path + kOldSuffix), std::nullopt, true});
        }
    }
    return steps;
}

std::vector<PlannedStep> UninstallSteps(const ObservedState& state, const std::wstring& parking) {
    std::vector<PlannedStep> steps;
    const bool movesItself = RunsAsInstalledSetup(state);
    if (movesItself) {
        steps.push_back({FileStep(StepKind::Rename, state.layout.setup, parking),
                         FileStep(StepKind::Rename, parking, state.layout.setup)});
    }
    const std::optional<SaverChoice> restored =
        ChoiceToRestore(state.desktop, DesktopNamesVaporquill(state), RememberedChoice(state.entry));
    if (restored) {
        ChangeValue(steps, RegistryKey::Desktop, L"SCRNSAVE.EXE", AsText(restored->saver), AsText(state.desktop.saver));
        ChangeValue(steps, RegistryKey::Desktop, L"ScreenSaveActive", AsText(restored->active), AsText(state.desktop.active));
    }
    for (const std::wstring& name : state.folderEntries) {
        if (!IsSetupsFileName(name, state.layout) || EndsWithGoingSuffix(name)) continue;
        if (movesItself && EqualIgnoringAsciiCase(name, FileNameOf(state.layout.setup))) continue;
        const std::wstring path = state.layout.folder + L"\\" + name;
        steps.push_back({FileStep(StepKind::Rename, path, path + kGoingSuffix),
                         FileStep(StepKind::Rename, path + kGoingSuffix, path)});
    }
    if (state.entry.exists) {
        for (const auto& [name, value] : state.entry.values) {
            steps.push_back({ValueStep(RegistryKey::Entry, name, std::nullopt), ValueStep(RegistryKey::Entry, name, value)});
        }
        steps.push_back({KeyStep(StepKind::DeleteKey, RegistryKey::Entry), KeyStep(StepKind::MakeKey, RegistryKey::Entry)});
    }
    return steps;
}

std::vector<PlannedStep> UninstallTidySteps(const ObservedState& state) {
    std::vector<PlannedStep> steps;
    bool othersLeft = false;
    for (const std::wstring& name : state.folderEntries) {
        if (!IsSetupsFileName(name, state.layout)) {
            othersLeft = true;
            continue;
        }
        if (RunsAsInstalledSetup(state) && EqualIgnoringAsciiCase(name, FileNameOf(state.layout.setup))) continue;
        const std::wstring path = state.layout.folder + L"\\" + name;
        steps.push_back({FileStep(StepKind::RemoveFile, EndsWithGoingSuffix(name) ? path : path + kGoingSuffix),
                         std::nullopt, true});
    }
    // Skipped by design: a folder that holds something setup did not put there (the user's
    // music, say) stays with it.
    if (!othersLeft && state.folderExists) {
        steps.push_back({FileStep(StepKind::RemoveFolder, state.layout.folder), std::nullopt, true});
    }
    // NOTE: the saver writes the texture anew at every start, so a copy installed elsewhere
    // (from the archive) loses nothing when it goes.
    const std::wstring exchange = WidenAscii(common::kExchangeFolder);
    const std::wstring texture = WidenAscii(common::kTextureFilePath);
    bool exchangeKeepsOthers = false;
    for (const std::wstring& name : state.exchangeEntries) {
        if (EqualIgnoringAsciiCase(exchange + L"\\" + name, texture)) {
            steps.push_back({FileStep(StepKind::RemoveFile, texture), std::nullopt, true});
        } else {
            exchangeKeepsOthers = true;
        }
    }
    if (state.exchangeFolderExists && !exchangeKeepsOthers) {
        steps.push_back({FileStep(StepKind::RemoveFolder, exchange), std::nullopt, true});
    }
    return steps;
}

}  // namespace setup
