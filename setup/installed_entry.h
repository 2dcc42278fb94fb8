// The user's installed-programs entry (HKCU ...\Uninstall\Vaporquill): the values setup
// writes, and the saver choice it keeps there for uninstall to bring back. Portable.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "setup/install_layout.h"
#include "setup/saver_choice.h"
#include "setup/setup_step.h"

namespace setup {

// The values of the entry as read, by name; `exists` tells an empty key from none.
struct EntryState {
    bool exists = false;
    std::map<std::wstring, RegistryValue> values;
};

struct EntryFacts {
    std::wstring version;    // "1.0.0", from VERSION
    uint64_t installedBytes = 0;  // the installed programs' sizes together
};

// Every value setup owns in the entry, in the order written; nothing for a value that must
// not be there (a remembered value that was absent).
std::vector<std::pair<std::wstring, std::optional<RegistryValue>>> EntryValues(
    const InstallLayout& layout, const EntryFacts& facts, const SaverChoice& remembered);

// The choice an earlier install remembered, or nothing when there is no entry.
std::optional<SaverChoice> RememberedChoice(const EntryState& entry);

// The list shows the size in KiB, rounded up.
uint32_t EstimatedSizeKiB(uint64_t bytes);

}  // namespace setup
