// The argument text's forms: the mode letter and the preview host.
#include "frontend/argument_text.h"

#include <gtest/gtest.h>

namespace {

struct LetterCase { const wchar_t* arguments; const wchar_t* letter; };
class SwitchLetter : public testing::TestWithParam<LetterCase> {};

TEST_P(SwitchLetter, IsTheSecondCharacterUpperCased) {
    EXPECT_EQ(frontend::SwitchLetterOf(GetParam().arguments), GetParam().letter);
}

INSTANTIATE_TEST_SUITE_P(Forms, SwitchLetter, testing::Values(
    LetterCase{L"/s", L"S"}, LetterCase{L"/S", L"S"}, LetterCase{L"-s", L"S"},
    LetterCase{L"zs", L"S"}, LetterCase{L"/p 1234", L"P"}, LetterCase{L"/c:1234", L"C"},
    LetterCase{L"/a", L"A"}, LetterCase{L"s", L""}, LetterCase{L"", L""},
    LetterCase{L"ss", L"S"}, LetterCase{L"s/", L"/"}, LetterCase{L"/ｓ", L"ｓ"}));

struct HostCase { const wchar_t* arguments; int32_t host; };
class PreviewHost : public testing::TestWithParam<HostCase> {};

TEST_P(PreviewHost, IsTheNumberFromTheFourthCharacterOn) {
    EXPECT_EQ(frontend::PreviewHostOf(GetParam().arguments), GetParam().host) << GetParam().arguments;
}

INSTANTIATE_TEST_SUITE_P(Forms, PreviewHost, testing::Values(
    HostCase{L"/p 1234", 1234}, HostCase{L"/p:1234", 1234}, HostCase{L"/p  -5x", -5},
    HostCase{L"/p", 0}, HostCase{L"/p ", 0}, HostCase{L"/p x", 0}, HostCase{L"/p 12 34", 12},
    HostCase{L"/p 1234.5", 1234}, HostCase{L"/p 1235.5", 1236}, HostCase{L"/p 2147483647", 2147483647},
    HostCase{L"/p 2147483648", 0}, HostCase{L"/p 99999999999999999999", 0},
    HostCase{L"/p 1e999", 0}, HostCase{L"/p -2147483648", INT32_MIN},
    HostCase{L"/p １２３", 0}, HostCase{L"/p 12３", 12}, HostCase{L"/p11", 1}));

}  // namespace
