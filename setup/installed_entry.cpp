// See installed_entry.h. Portable.
#include "setup/installed_entry.h"

namespace setup {

namespace {

// NOTE: setup's own names for the remembered choice; the installed-programs list ignores
// values it does not know.
constexpr wchar_t kPreviousSaver[] = L"VaporquillPreviousScrnsave";
constexpr wchar_t kPreviousActive[] = L"VaporquillPreviousScreenSaveActive";

std::optional<RegistryValue> TextOrNothing(const std::optional<std::wstring>& text) {
    if (!text) return std::nullopt;
    return RegistryValue::Text(*text);
}

std::optional<std::wstring> TextOf(const EntryState& entry, const wchar_t* name) {
    const auto found = entry.values.find(name);
    if (found == entry.values.end() || found->second.type != RegistryValue::Type::Text) return std::nullopt;
    return found->second.text;
}

}  // namespace

uint32_t EstimatedSizeKiB(uint64_t bytes) {
    const uint64_t kib = (bytes + 1023) / 1024;
    return kib > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(kib);
}

std::vector<std::pair<std::wstring, std::optional<RegistryValue>>> EntryValues(
    const InstallLayout& layout, const EntryFacts& facts, const SaverChoice& remembered) {
    return {
        {L"DisplayName", RegistryValue::Text(L"Vaporquill")},
        {L"DisplayVersion", RegistryValue::Text(facts.version)},
        {L"Publisher", RegistryValue::Text(L"the Vaporquill developers")},
        {L"InstallLocation", RegistryValue::Text(layout.folder)},
        {L"EstimatedSize", RegistryValue::Number(EstimatedSizeKiB(facts.installedBytes))},
        {L"DisplayIcon", RegistryValue::Text(DisplayIcon(layout))},
        {L"UninstallString", RegistryValue::Text(UninstallCommand(layout, false))},
        {L"QuietUninstallString", RegistryValue::Text(UninstallCommand(layout, true))},
        {L"NoModify", RegistryValue::Number(1)},
        {L"NoRepair", RegistryValue::Number(1)},
        {kPreviousSaver, TextOrNothing(remembered.saver)},
        {kPreviousActive, TextOrNothing(remembered.active)},
    };
}

std::optional<SaverChoice> RememberedChoice(const EntryState& entry) {
    if (!entry.exists) return std::nullopt;
    return SaverChoice{TextOf(entry, kPreviousSaver), TextOf(entry, kPreviousActive)};
}

}  // namespace setup
