// The user's screen saver choice (HKCU\Control Panel\Desktop): what install remembers of the
// choice it replaces, and what uninstall brings back. Portable.
#pragma once
#include <optional>
#include <string>

namespace setup {

// The two values of the choice; nothing stands for a value that is not there.
struct SaverChoice {
    std::optional<std::wstring> saver;   // SCRNSAVE.EXE
    std::optional<std::wstring> active;  // ScreenSaveActive
    bool operator==(const SaverChoice& other) const { return saver == other.saver && active == other.active; }
};

// What install remembers. A choice that already names Vaporquill is setup's own doing (an
// upgrade, or a repeated install): the choice remembered before it stays, or none, so
// uninstall never restores a saver that is being removed. Any other choice is the user's
// latest and is remembered as it is, absence included.
SaverChoice ChoiceToRemember(const SaverChoice& current, bool currentIsVaporquill,
                             const std::optional<SaverChoice>& rememberedBefore);

// What uninstall leaves in the two values, or nothing to leave them as they are: a user who
// has since chosen another saver keeps it. While Vaporquill is chosen the remembered choice
// comes back; with nothing remembered the saver is taken away (never left naming a file that
// is about to go) and ScreenSaveActive stays.
std::optional<SaverChoice> ChoiceToRestore(const SaverChoice& current, bool currentIsVaporquill,
                                           const std::optional<SaverChoice>& remembered);

}  // namespace setup
