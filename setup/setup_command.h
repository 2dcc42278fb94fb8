// The setup program's command line: install or uninstall, quiet or with its windows.
// Portable: the platform hands over the arguments after the program's own name.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace setup {

enum class SetupAction { Install, Uninstall };

struct SetupCommand {
    SetupAction action = SetupAction::Install;
    bool quiet = false;
};

struct ParsedCommand {
    // Quiet is set from the switches that were understood even when another was not, so a
    // package manager's mistyped switch never opens a window it cannot answer.
    SetupCommand command;
    // The first argument that is no switch of setup's; the run changes nothing then.
    std::optional<std::wstring> unknownArgument;
};

// "/quiet" and "/S" (the form many package managers pass) ask for no window, "/uninstall"
// for removal; each also with "-", in any case, in any order, repeated or not.
ParsedCommand ParseSetupCommand(const std::vector<std::wstring>& arguments);

}  // namespace setup
