// What setup tells the user, in which language, and which result a run's facts give.
#include <gtest/gtest.h>

#include <set>

#include "setup/setup_messages.h"

namespace setup {
namespace {

struct LanguageCase {
    uint16_t uiLanguage;
    Language language;
};

class UserInterfaceLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(UserInterfaceLanguage, JapaneseOnlyForJapanese) {
    EXPECT_EQ(LanguageFor(GetParam().uiLanguage), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(All, UserInterfaceLanguage, testing::Values(
    LanguageCase{0x0411, Language::Japanese},  // ja-JP
    LanguageCase{0x0011, Language::Japanese},  // Japanese, no region
    LanguageCase{0x0409, Language::English},   // en-US
    LanguageCase{0x0804, Language::English},   // zh-CN: not Japanese
    LanguageCase{0x0412, Language::English},   // ko-KR
    LanguageCase{0x0000, Language::English}));

const SetupResult kTold[] = {SetupResult::Done,         SetupResult::UnknownArgument, SetupResult::SaverRunning,
                             SetupResult::NoUserFolder, SetupResult::CopyFailed,      SetupResult::RegistryFailed,
                             SetupResult::NotInstalled, SetupResult::RemoveFailed};

class MessagesIn : public testing::TestWithParam<Language> {};

TEST_P(MessagesIn, EveryResultHasItsOwnTextUnderOneCaption) {
    std::set<std::wstring> texts;
    std::set<std::wstring> captions;
    for (SetupResult result : kTold) {
        const SetupMessage message = MessageFor(result, MessageFacts{SetupAction::Install, L"C:\\F", L"", true}, GetParam());
        EXPECT_FALSE(message.text.empty());
        EXPECT_EQ(message.kind == SetupMessage::Kind::Information, result == SetupResult::Done);
        texts.insert(message.text);
        captions.insert(message.caption);
    }
    EXPECT_EQ(texts.size(), std::size(kTold));
    EXPECT_EQ(captions.size(), 1u);
}

TEST_P(MessagesIn, AFailureTellsTheSystemsReasonAndWhetherAllWasPutBack) {
    const MessageFacts whole{SetupAction::Install, L"C:\\F", L"C:\\F\\Vaporquill.scr.new\nDisk full (112)", true};
    MessageFacts partly = whole;
    partly.undoneWhole = false;
    for (SetupResult result : {SetupResult::CopyFailed, SetupResult::RegistryFailed, SetupResult::RemoveFailed}) {
        const std::wstring text = MessageFor(result, whole, GetParam()).text;
        EXPECT_NE(text.find(L"Disk full (112)"), std::wstring::npos);
        EXPECT_NE(text, MessageFor(result, partly, GetParam()).text);
    }
}

TEST_P(MessagesIn, InstallAndUninstallAreToldApart) {
    EXPECT_NE(MessageFor(SetupResult::Done, MessageFacts{SetupAction::Install, L"", L"", true}, GetParam()).text,
              MessageFor(SetupResult::Done, MessageFacts{SetupAction::Uninstall, L"", L"", true}, GetParam()).text);
}

INSTANTIATE_TEST_SUITE_P(Both, MessagesIn, testing::Values(Language::Japanese, Language::English));

struct RefusalCase {
    std::vector<std::wstring> arguments;
    RunFacts facts;
    std::optional<SetupResult> refusal;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, ComeBeforeAnyChangeInThisOrder) {
    EXPECT_EQ(RefusalFor(ParseSetupCommand(GetParam().arguments), GetParam().facts), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(All, Refusals, testing::Values(
    RefusalCase{{}, RunFacts{false, true, false}, std::nullopt},
    RefusalCase{{L"/uninstall"}, RunFacts{false, true, true}, std::nullopt},
    RefusalCase{{L"/x"}, RunFacts{true, false, false}, SetupResult::UnknownArgument},
    RefusalCase{{}, RunFacts{true, false, true}, SetupResult::SaverRunning},
    RefusalCase{{L"/uninstall"}, RunFacts{true, true, true}, SetupResult::SaverRunning},
    RefusalCase{{L"/quiet"}, RunFacts{false, false, false}, SetupResult::NoUserFolder},
    RefusalCase{{L"/uninstall"}, RunFacts{false, true, false}, SetupResult::NotInstalled},
    RefusalCase{{}, RunFacts{false, true, true}, std::nullopt}));

}  // namespace
}  // namespace setup
