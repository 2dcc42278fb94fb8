// The setup program's switches: which run each command line asks for.
#include <gtest/gtest.h>

#include "setup/setup_command.h"

namespace setup {
namespace {

struct CommandCase {
    std::vector<std::wstring> arguments;
    SetupAction action;
    bool quiet;
    const wchar_t* unknown;  // nullptr: every argument understood
};

class SetupCommandForms : public testing::TestWithParam<CommandCase> {};

TEST_P(SetupCommandForms, AsksForTheRun) {
    const ParsedCommand parsed = ParseSetupCommand(GetParam().arguments);
    EXPECT_EQ(parsed.command.action, GetParam().action);
    EXPECT_EQ(parsed.command.quiet, GetParam().quiet);
    if (GetParam().unknown) {
        ASSERT_TRUE(parsed.unknownArgument.has_value());
        EXPECT_EQ(*parsed.unknownArgument, GetParam().unknown);
    } else {
        EXPECT_FALSE(parsed.unknownArgument.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(All, SetupCommandForms, testing::Values(
    CommandCase{{}, SetupAction::Install, false, nullptr},
    CommandCase{{L"/quiet"}, SetupAction::Install, true, nullptr},
    CommandCase{{L"/S"}, SetupAction::Install, true, nullptr},
    CommandCase{{L"/s"}, SetupAction::Install, true, nullptr},
    CommandCase{{L"-QUIET"}, SetupAction::Install, true, nullptr},
    CommandCase{{L"/uninstall"}, SetupAction::Uninstall, false, nullptr},
    CommandCase{{L"/Uninstall", L"/Quiet"}, SetupAction::Uninstall, true, nullptr},
    CommandCase{{L"/S", L"-uninstall"}, SetupAction::Uninstall, true, nullptr},
    CommandCase{{L"/quiet", L"/quiet", L"/S"}, SetupAction::Install, true, nullptr},
    // A mistyped switch changes nothing, and a quiet one still keeps every window shut.
    CommandCase{{L"/quiet", L"/uninstal"}, SetupAction::Install, true, L"/uninstal"},
    CommandCase{{L"/silent"}, SetupAction::Install, false, L"/silent"},
    CommandCase{{L"uninstall"}, SetupAction::Install, false, L"uninstall"},
    CommandCase{{L"/"}, SetupAction::Install, false, L"/"},
    CommandCase{{L""}, SetupAction::Install, false, L""},
    CommandCase{{L"/quiet=1", L"/x"}, SetupAction::Install, false, L"/quiet=1"}));

}  // namespace
}  // namespace setup
