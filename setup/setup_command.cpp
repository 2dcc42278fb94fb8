// Reads setup's switches; see setup_command.h. Portable.
#include "setup/setup_command.h"

#include "setup/text_fold.h"

namespace setup {

ParsedCommand ParseSetupCommand(const std::vector<std::wstring>& arguments) {
    ParsedCommand parsed;
    for (const std::wstring& argument : arguments) {
        const bool isSwitch = argument.size() > 1 && (argument[0] == L'/' || argument[0] == L'-');
        const std::wstring name = isSwitch ? FoldAsciiCase(argument.substr(1)) : std::wstring();
        if (name == L"quiet" || name == L"s") {
            parsed.command.quiet = true;
        } else if (name == L"uninstall") {
            parsed.command.action = SetupAction::Uninstall;
        } else if (!parsed.unknownArgument) {
            parsed.unknownArgument = argument;
        }
    }
    return parsed;
}

}  // namespace setup
