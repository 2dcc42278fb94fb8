// The command line's forms; see argument_text.h.
#include "frontend/argument_text.h"

#include <optional>

#include "settings/number_text.h"

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

std::wstring SwitchLetterOf(const std::wstring& argumentText) {
    if (argumentText.size() < 2) return L"";
    wchar_t letter = argumentText[1];
    // Only ASCII letters change: the switches looked for are plain ASCII.
    if (letter >= L'a' && letter <= L'z') letter = static_cast<wchar_t>(letter - L'a' + L'A');
    return std::wstring(1, letter);
}

int32_t PreviewHostOf(const std::wstring& argumentText) {
    if (argumentText.size() <= 3) return 0;
    // Only ASCII can be part of a number; anything else ends the reading.
    std::string ascii;
    for (const wchar_t c : argumentText.substr(3)) ascii.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    // Skipped by design: a number that does not fit leaves the host window at 0.
    return RoundHalfEvenToInt32(ReadNumberPrefix(ascii)).value_or(0);
}
