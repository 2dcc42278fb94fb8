// The start routine's choice for every kind of command line and every open window: which
// outcome, whether the exchange folder and the settings come first, whether the cursor hides.
#include "frontend/startup.h"

#include <gtest/gtest.h>

namespace {

using frontend::StartMode;

std::string Ascii(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

struct StartCase {
    const wchar_t* arguments;
    bool rendererPresent;
    StartMode mode;
    bool preparesExchange;
    bool hidesCursor;
    int32_t previewHost;
};

class CommandLines : public testing::TestWithParam<StartCase> {};

TEST_P(CommandLines, ChooseTheirOutcome) {
    const StartCase& c = GetParam();
    const frontend::StartChoice choice = frontend::ChooseStart({false, false, c.arguments, c.rendererPresent});
    EXPECT_EQ(choice.mode, c.mode) << Ascii(c.arguments);
    EXPECT_EQ(choice.preparesExchange, c.preparesExchange) << Ascii(c.arguments);
    EXPECT_EQ(choice.hidesCursor, c.hidesCursor) << Ascii(c.arguments);
    EXPECT_EQ(choice.previewHost, c.previewHost) << Ascii(c.arguments);
}

INSTANTIATE_TEST_SUITE_P(Switches, CommandLines, testing::Values(
    // Only the second character counts, in either case.
    StartCase{L"/s", true, StartMode::SaverSession, true, true, 0},
    StartCase{L"/S", true, StartMode::SaverSession, true, true, 0},
    StartCase{L"-s", true, StartMode::SaverSession, true, true, 0},
    StartCase{L"zs", true, StartMode::SaverSession, true, true, 0},
    // An empty command line runs the saver without hiding the cursor.
    StartCase{L"", true, StartMode::SaverSession, true, false, 0},
    StartCase{L"/c", true, StartMode::SettingsDialog, true, false, 0},
    StartCase{L"/C", true, StartMode::SettingsDialog, true, false, 0},
    StartCase{L"/c:1234", true, StartMode::SettingsDialog, true, false, 0},
    // Unknown switches end, after the folder and the settings, as every non-preview start.
    StartCase{L"/a", true, StartMode::EndAtOnce, true, false, 0},
    StartCase{L"x", true, StartMode::EndAtOnce, true, false, 0},
    StartCase{L"s", true, StartMode::EndAtOnce, true, false, 0},
    StartCase{L" /s", true, StartMode::EndAtOnce, true, false, 0}));

INSTANTIATE_TEST_SUITE_P(RendererMissing, CommandLines, testing::Values(
    // The message comes before any mode, an unknown switch included.
    StartCase{L"/s", false, StartMode::RendererMissing, true, false, 0},
    StartCase{L"", false, StartMode::RendererMissing, true, false, 0},
    StartCase{L"/c:1234", false, StartMode::RendererMissing, true, false, 0},
    StartCase{L"/a", false, StartMode::RendererMissing, true, false, 0}));

INSTANTIATE_TEST_SUITE_P(Preview, CommandLines, testing::Values(
    // The preview needs neither the folder, the settings nor the renderer.
    StartCase{L"/p 1234", false, StartMode::Preview, false, false, 1234},
    StartCase{L"/p:1234", true, StartMode::Preview, false, false, 1234},
    StartCase{L"/P 1234", true, StartMode::Preview, false, false, 1234},
    StartCase{L"/p  -5x", true, StartMode::Preview, false, false, -5},
    StartCase{L"/p", true, StartMode::Preview, false, false, 0},
    StartCase{L"/p 99999999999", true, StartMode::Preview, false, false, 0}));

struct OpenCase { bool sessionRunning; bool dialogOpen; const wchar_t* arguments; };
class AnotherInstance : public testing::TestWithParam<OpenCase> {};

TEST_P(AnotherInstance, EndsEveryStartAtOnceWithoutPreparingAnything) {
    const OpenCase& c = GetParam();
    const frontend::StartChoice choice = frontend::ChooseStart({c.sessionRunning, c.dialogOpen, c.arguments, true});
    EXPECT_EQ(choice.mode, StartMode::EndAtOnce);
    EXPECT_FALSE(choice.preparesExchange);
    EXPECT_FALSE(choice.hidesCursor);
}

INSTANTIATE_TEST_SUITE_P(Titles, AnotherInstance, testing::Values(
    OpenCase{true, false, L"/s"}, OpenCase{true, false, L"/p 1234"}, OpenCase{true, false, L"/c"},
    OpenCase{true, false, L""}, OpenCase{false, true, L"/s"}, OpenCase{false, true, L"/p 1234"},
    OpenCase{false, true, L"/c:1234"}, OpenCase{true, true, L"/a"}));

}  // namespace
