// Install and uninstall from start to end, all or nothing: the planned steps carried out in
// one transaction, with what must be asked of the system between them. Portable: the
// platform acts through SetupPort.
#pragma once
#include <string>

#include "setup/install_plan.h"
#include "setup/saver_path.h"
#include "setup/setup_result.h"
#include "setup/transaction.h"

namespace setup {

class SetupPort : public StepPort {
  public:
    // The system's short path of an existing file; empty when it has none.
    virtual std::wstring ShortPathOf(const std::wstring& path) = 0;
    virtual AnsiCharacterTest AnsiTest() = 0;
};

struct RunOutcome {
    SetupResult result = SetupResult::Done;
    std::wstring reason;       // the system's words for a failure
    bool undoneWhole = true;   // after a failure: every change was put back
    // What the user's saver choice became, for the platform to announce; nothing when it
    // was left as it was.
    std::optional<SaverChoice> desktopAfter;
};

RunOutcome RunInstall(const ObservedState& state, const EntryFacts& facts, SetupPort& port);
RunOutcome RunUninstall(const ObservedState& state, const std::wstring& parking, SetupPort& port);

}  // namespace setup
