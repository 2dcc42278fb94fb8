// See setup_result.h. Portable.
#include "setup/setup_result.h"

namespace setup {

std::optional<SetupResult> RefusalFor(const ParsedCommand& parsed, const RunFacts& facts) {
    if (parsed.unknownArgument) return SetupResult::UnknownArgument;
    if (facts.saverWindowOpen) return SetupResult::SaverRunning;
    if (!facts.hasLayout) return SetupResult::NoUserFolder;
    if (parsed.command.action == SetupAction::Uninstall && !facts.installed) return SetupResult::NotInstalled;
    return std::nullopt;
}

SetupResult ResultOfFailure(const Step& failed, SetupAction action) {
    if (!failed.IsFileStep()) return SetupResult::RegistryFailed;
    return action == SetupAction::Install ? SetupResult::CopyFailed : SetupResult::RemoveFailed;
}

}  // namespace setup
