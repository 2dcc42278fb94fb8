// The command line's forms; see argument_text.h.
#include "frontend/argument_text.h"

#include <optional>

#include "host/number_text.h"

namespace frontend {

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
    return host::RoundHalfEvenToInt32(host::ReadNumberPrefix(ascii)).value_or(0);
}

}  // namespace frontend
