// What setup tells the user: each result's message, and the uninstall question, in Japanese,
// or in English where the user's UI language is not Japanese. Portable.
#pragma once
#include <cstdint>
#include <string>

#include "setup/setup_command.h"
#include "setup/setup_result.h"

namespace setup {

enum class Language { Japanese, English };

// From the user's UI language identifier (GetUserDefaultUILanguage).
Language LanguageFor(uint16_t uiLanguageId);

struct SetupMessage {
    enum class Kind { Information, Error, Question };
    Kind kind = Kind::Information;
    std::wstring caption;
    std::wstring text;
};

struct MessageFacts {
    SetupAction action = SetupAction::Install;
    std::wstring folder;           // where it was (or would have been) installed
    std::wstring detail;           // the unknown argument, or the system's reason for a failure
    bool undoneWhole = true;       // after a failure: everything was put back
};

SetupMessage MessageFor(SetupResult result, const MessageFacts& facts, Language language);
SetupMessage UninstallQuestion(const std::wstring& folder, Language language);

}  // namespace setup
