// libFuzzer target for the command line a stranger can start the screen saver with: the
// fuzzer's bytes are the command line in the ANSI code page, then the argument text as wide
// characters. What must hold for any of them: the argument text is the command line's tail
// without leading blanks, the switch is at most one character, and the preview host number
// does not depend on how many blanks come before it.
#include <cstdlib>
#include <string>
#include <string_view>

#include "frontend/argument_text.h"
#include "host/command_line.h"

namespace {

void Require(bool fact) {
    if (!fact) std::abort();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void CheckArgumentText(const std::wstring& arguments) {
    const std::wstring letter = frontend::SwitchLetterOf(arguments);
    Require(letter.size() == (arguments.size() >= 2 ? 1u : 0u));
    const int32_t host = frontend::PreviewHostOf(arguments);
    if (arguments.size() <= 3) {
        Require(host == 0);
        return;
    }
    std::wstring moreBlanks = arguments;
    moreBlanks.insert(3, L"  ");
    Require(frontend::PreviewHostOf(moreBlanks) == host);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view commandLine(reinterpret_cast<const char*>(data), size);
    const std::string arguments = host::ArgumentTextOf(commandLine);
    Require(arguments.size() <= commandLine.size());
    Require(commandLine.substr(commandLine.size() - arguments.size()) == arguments);
    Require(arguments.empty() || !IsBlank(arguments.front()));

    // The argument text as the front end holds it: each byte as one character, and the bytes
    // taken in pairs as UTF-16 (characters far outside ASCII).
    std::wstring widened;
    for (const char c : arguments) widened.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    CheckArgumentText(widened);
    std::wstring paired;
    for (size_t at = 0; at + 1 < size; at += 2) paired.push_back(static_cast<wchar_t>(data[at] | data[at + 1] << 8));
    CheckArgumentText(paired);
    return 0;
}
