// The Wine side of the pipeline: a cross-built program starts, runs and reports its exit
// code, under the Japanese ANSI code page that the programs are made for.
#include <gtest/gtest.h>

#include "wintest/wintest.h"

namespace {

std::string UnixToWindows(std::string path) {
    for (char& c : path) if (c == '/') c = '\\';
    return "Z:" + path;
}

TEST(Pipeline, ChildRunsUnderCodePage932AndReportsItsExitCode) {
    EXPECT_EQ(GetACP(), 932u) << "the test itself must run under code page 932";
    auto probe = wintest::ChildProcess::Start("\"" + UnixToWindows(PROBE_PATH) + "\"");
    ASSERT_TRUE(probe.has_value());
    const auto code = probe->WaitExit(60000);
    ASSERT_TRUE(code.has_value()) << "the probe did not end";
    EXPECT_EQ(*code, 932u);
}

}  // namespace
