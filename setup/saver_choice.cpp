// See saver_choice.h. Portable.
#include "setup/saver_choice.h"

namespace setup {

SaverChoice ChoiceToRemember(const SaverChoice& current, bool currentIsVaporquill,
                             const std::optional<SaverChoice>& rememberedBefore) {
    if (!currentIsVaporquill) return current;
    return rememberedBefore.value_or(SaverChoice{});
}

std::optional<SaverChoice> ChoiceToRestore(const SaverChoice& current, bool currentIsVaporquill,
                                           const std::optional<SaverChoice>& remembered) {
    if (!currentIsVaporquill) return std::nullopt;
    if (remembered) return remembered;
    return SaverChoice{std::nullopt, current.active};
}

}  // namespace setup
