// The argument text; see command_line.h.
#include "host/command_line.h"

namespace host {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string ArgumentTextOf(std::string_view commandLine) {
    size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        // NOTE: a quote cannot be a Shift-JIS trail byte, so a byte scan is safe here.
        const size_t closing = commandLine.find('"', 1);
        at = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
    }
    // As the system's own start-up code does, every blank between path and arguments goes.
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
    return std::string(commandLine.substr(at));
}

}  // namespace host
