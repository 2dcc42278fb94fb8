// Main, step by step, for every kind of command line, with a fake platform that records
// what Main asks for, in order.
#include "frontend/startup.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using Steps = std::vector<std::string>;

std::string Ascii(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

class RecordingPlatform : public frontend::StartupPlatform {
  public:
    bool WindowExists(const char* title) override {
        steps.push_back(std::string("FindWindow ") + title);
        return openWindows.count(title) > 0;
    }
    std::wstring ArgumentText() override { return arguments; }
    void CreateFolder(const std::string& path) override { steps.push_back("CreateFolder " + path); }
    void LoadSettings() override { steps.push_back("LoadSettings"); }
    std::string ProgramFolder() override { return "C:\\Saver"; }
    bool FileExists(const std::string& path) override {
        steps.push_back("FileExists " + path);
        return rendererPresent;
    }
    void ShowMessage(const std::wstring& text) override {
        steps.push_back("Message");
        messages.push_back(text);
    }
    void HideCursor() override { steps.push_back("HideCursor"); }
    void ShowPreview(int32_t host) override { steps.push_back("ShowPreview " + std::to_string(host)); }
    void ShowSettingsDialog() override { steps.push_back("ShowSettingsDialog"); }
    void LoadSaverForm() override { steps.push_back("LoadSaverForm"); }
    void EndProgram() override { steps.push_back("End"); }

    std::wstring arguments;
    std::set<std::string> openWindows;
    bool rendererPresent = true;
    Steps steps;
    std::vector<std::wstring> messages;
};

const Steps kInstanceCheck{"FindWindow Cirrovance_Main", "FindWindow <Vaporquill>"};
const Steps kCommonSteps{"CreateFolder C:\\q_vosk", "LoadSettings",
                         "FileExists C:\\Saver\\Vaporquill.dll"};

Steps Concat(std::initializer_list<Steps> parts) {
    Steps all;
    for (const Steps& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct ModeCase { const wchar_t* arguments; Steps afterCommonSteps; };
class CommandLineRows : public testing::TestWithParam<ModeCase> {};

TEST_P(CommandLineRows, LeadToTheirOutcome) {
    RecordingPlatform platform;
    platform.arguments = GetParam().arguments;
    frontend::Main(platform);
    EXPECT_EQ(platform.steps, Concat({kInstanceCheck, kCommonSteps, GetParam().afterCommonSteps}))
        << Ascii(GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(Modes, CommandLineRows, testing::Values(
    ModeCase{L"/s", {"HideCursor", "LoadSaverForm"}},
    ModeCase{L"/S", {"HideCursor", "LoadSaverForm"}},
    ModeCase{L"-s", {"HideCursor", "LoadSaverForm"}},
    ModeCase{L"zs", {"HideCursor", "LoadSaverForm"}},
    ModeCase{L"", {"LoadSaverForm"}},
    ModeCase{L"/c", {"ShowSettingsDialog", "End"}},
    ModeCase{L"/C", {"ShowSettingsDialog", "End"}},
    ModeCase{L"/c:1234", {"ShowSettingsDialog", "End"}},
    ModeCase{L"/a", {"End"}},
    ModeCase{L"x", {"End"}},
    ModeCase{L"s", {"End"}},
    ModeCase{L" /s", {"End"}}));

struct PreviewCase { const wchar_t* arguments; const char* showPreview; };
class PreviewRows : public testing::TestWithParam<PreviewCase> {};

TEST_P(PreviewRows, GoStraightToThePreviewWithoutFolderSettingsOrRendererCheck) {
    RecordingPlatform platform;
    platform.arguments = GetParam().arguments;
    platform.rendererPresent = false;
    frontend::Main(platform);
    EXPECT_EQ(platform.steps, Concat({kInstanceCheck, {GetParam().showPreview}}));
}

INSTANTIATE_TEST_SUITE_P(Modes, PreviewRows, testing::Values(
    PreviewCase{L"/p 1234", "ShowPreview 1234"}, PreviewCase{L"/p:1234", "ShowPreview 1234"},
    PreviewCase{L"/P 1234", "ShowPreview 1234"}, PreviewCase{L"/p  -5x", "ShowPreview -5"},
    PreviewCase{L"/p", "ShowPreview 0"}, PreviewCase{L"/p 99999999999", "ShowPreview 0"}));

struct RunningCase { const char* openTitle; const wchar_t* arguments; };
class AnotherInstance : public testing::TestWithParam<RunningCase> {};

TEST_P(AnotherInstance, EndsEveryStartAtOnce) {
    RecordingPlatform platform;
    platform.openWindows.insert(GetParam().openTitle);
    platform.arguments = GetParam().arguments;
    frontend::Main(platform);
    EXPECT_EQ(platform.steps, Concat({kInstanceCheck, {"End"}}));
}

INSTANTIATE_TEST_SUITE_P(Titles, AnotherInstance, testing::Values(
    RunningCase{"Cirrovance_Main", L"/s"}, RunningCase{"Cirrovance_Main", L"/p 1234"},
    RunningCase{"Cirrovance_Main", L"/c"}, RunningCase{"Cirrovance_Main", L""},
    RunningCase{"<Vaporquill>", L"/s"}, RunningCase{"<Vaporquill>", L"/p 1234"},
    RunningCase{"<Vaporquill>", L"/c:1234"}, RunningCase{"<Vaporquill>", L"/a"}));

class RendererMissing : public testing::TestWithParam<const wchar_t*> {};

TEST_P(RendererMissing, ShowsTheMessageAndEndsBeforeAnyMode) {
    RecordingPlatform platform;
    platform.arguments = GetParam();
    platform.rendererPresent = false;
    frontend::Main(platform);
    EXPECT_EQ(platform.steps, Concat({kInstanceCheck, kCommonSteps, {"Message", "End"}}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], L"Vaporquill.dll が同じﾌｫﾙﾀﾞに見つかりません！");
}

INSTANTIATE_TEST_SUITE_P(Modes, RendererMissing,
                         testing::Values(L"/s", L"", L"/c", L"/c:1234", L"/a", L"x"));

}  // namespace
