// How a setup run ended, as its exit code (what a package manager reads after a quiet run),
// and the decisions that pick one before and after the changes. Portable.
#pragma once
#include <optional>

#include "setup/setup_command.h"
#include "setup/setup_step.h"

namespace setup {

// NOTE: the numbers are part of setup's interface: package managers' manifests list them.
enum class SetupResult : int {
    Done = 0,
    UnknownArgument = 1,  // a switch setup does not know; nothing was changed
    SaverRunning = 2,     // the saver, its renderer or its settings dialog is open
    NoUserFolder = 3,     // the system named no usable local application-data folder
    CopyFailed = 4,       // a file could not be written or put in place
    RegistryFailed = 5,   // a registry value could not be written or removed
    NotInstalled = 6,     // uninstall found nothing to remove
    RemoveFailed = 7,     // an installed file could not be moved out of the way
    Cancelled = 8,        // the user answered no to the uninstall question
};

struct RunFacts {
    bool saverWindowOpen = false;
    bool hasLayout = false;
    bool installed = false;
};

// Why the run must change nothing at all, checked in this order; nothing when it may go on.
std::optional<SetupResult> RefusalFor(const ParsedCommand& parsed, const RunFacts& facts);

// The result of a run whose step failed: a file step is a copy (install) or a removal
// (uninstall), any other a registry failure.
SetupResult ResultOfFailure(const Step& failed, SetupAction action);

}  // namespace setup
