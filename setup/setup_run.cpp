// See setup_run.h. Portable.
#include "setup/setup_run.h"

namespace setup {

namespace {

RunOutcome FailureOf(const Transaction& transaction, SetupAction action) {
    return RunOutcome{ResultOfFailure(*transaction.failedStep(), action), transaction.failureReason(),
                      transaction.undoFailures() == 0, std::nullopt};
}

}  // namespace

RunOutcome RunInstall(const ObservedState& state, const EntryFacts& facts, SetupPort& port) {
    Transaction transaction(port);
    if (!transaction.Run(InstallFileSteps(state))) return FailureOf(transaction, SetupAction::Install);
    // The short path can be asked for only once the saver is in place.
    const std::wstring saverValue =
        SaverPathToStore(state.layout.saver, port.ShortPathOf(state.layout.saver), port.AnsiTest());
    if (!transaction.Run(InstallRegistrySteps(state, facts, saverValue))) return FailureOf(transaction, SetupAction::Install);
    transaction.Run(InstallTidySteps(state));
    return RunOutcome{SetupResult::Done, L"", true, SaverChoice{saverValue, L"1"}};
}

RunOutcome RunUninstall(const ObservedState& state, const std::wstring& parking, SetupPort& port) {
    Transaction transaction(port);
    if (!transaction.Run(UninstallSteps(state, parking))) return FailureOf(transaction, SetupAction::Uninstall);
    transaction.Run(UninstallTidySteps(state));
    return RunOutcome{SetupResult::Done, L"", true,
                      ChoiceToRestore(state.desktop, DesktopNamesVaporquill(state), RememberedChoice(state.entry))};
}

}  // namespace setup
