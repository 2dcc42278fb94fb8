// The argument text: what follows the program's path on the command line.
#include "host/command_line.h"

#include <gtest/gtest.h>

namespace {

struct CommandLineCase { const char* commandLine; const char* arguments; };
class ArgumentText : public testing::TestWithParam<CommandLineCase> {};

TEST_P(ArgumentText, DropsTheProgramPathAndTheBlanksAfterIt) {
    EXPECT_EQ(host::ArgumentTextOf(GetParam().commandLine), GetParam().arguments) << GetParam().commandLine;
}

INSTANTIATE_TEST_SUITE_P(Forms, ArgumentText, testing::Values(
    CommandLineCase{"\"C:\\Program Files\\Vaporquill.scr\" /s", "/s"},
    CommandLineCase{"\"C:\\Program Files\\Vaporquill.scr\" /p 1234", "/p 1234"},
    CommandLineCase{"\"C:\\Windows\\Vaporquill.scr\"", ""},
    CommandLineCase{"\"C:\\Windows\\Vaporquill.scr\" ", ""},
    CommandLineCase{"\"C:\\Windows\\Vaporquill.scr\"/c:5678", "/c:5678"},
    CommandLineCase{"C:\\WINDOWS\\VAPORQ~1.SCR /c:5678", "/c:5678"},
    CommandLineCase{"C:\\WINDOWS\\VAPORQ~1.SCR\t/s", "/s"},
    CommandLineCase{"Vaporquill.scr", ""},
    CommandLineCase{"Vaporquill.scr  /s", "/s"},
    CommandLineCase{"Vaporquill.scr \t /p 12", "/p 12"},
    CommandLineCase{"\"C:\\\x95\x5C\\Vaporquill.scr\" /s", "/s"},  // 表 ends in a backslash byte
    CommandLineCase{"\"C:\\unclosed /s", ""},
    CommandLineCase{"", ""}));

}  // namespace
