// What install remembers of the user's saver choice, and what uninstall brings back.
#include <gtest/gtest.h>

#include "setup/saver_choice.h"

namespace setup {
namespace {

const SaverChoice kNone{std::nullopt, std::nullopt};
const SaverChoice kMystify{L"C:\\Windows\\system32\\Mystify.scr", L"1"};
const SaverChoice kOffWithoutSaver{std::nullopt, L"0"};
const SaverChoice kOurs{L"C:\\P\\Vaporquill.scr", L"1"};

struct RememberCase {
    const char* what;
    SaverChoice current;
    bool currentIsVaporquill;
    std::optional<SaverChoice> rememberedBefore;
    SaverChoice remembered;
};

class WhatInstallRemembers : public testing::TestWithParam<RememberCase> {};

TEST_P(WhatInstallRemembers, TheChoiceBeforeVaporquill) {
    EXPECT_EQ(ChoiceToRemember(GetParam().current, GetParam().currentIsVaporquill, GetParam().rememberedBefore),
              GetParam().remembered)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(All, WhatInstallRemembers, testing::Values(
    RememberCase{"a first install over another saver", kMystify, false, std::nullopt, kMystify},
    RememberCase{"a first install where none was chosen", kOffWithoutSaver, false, std::nullopt, kOffWithoutSaver},
    RememberCase{"a first install on a fresh profile", kNone, false, std::nullopt, kNone},
    RememberCase{"an upgrade keeps what the first install remembered", kOurs, true, kMystify, kMystify},
    RememberCase{"an upgrade over a choice remembered as none", kOurs, true, kOffWithoutSaver, kOffWithoutSaver},
    RememberCase{"chosen by hand before any entry: never itself", kOurs, true, std::nullopt, kNone},
    RememberCase{"the user chose another saver since", kMystify, false, kOffWithoutSaver, kMystify}));

struct RestoreCase {
    const char* what;
    SaverChoice current;
    bool currentIsVaporquill;
    std::optional<SaverChoice> remembered;
    std::optional<SaverChoice> after;
};

class WhatUninstallRestores : public testing::TestWithParam<RestoreCase> {};

TEST_P(WhatUninstallRestores, OnlyWhileVaporquillIsChosen) {
    EXPECT_EQ(ChoiceToRestore(GetParam().current, GetParam().currentIsVaporquill, GetParam().remembered),
              GetParam().after)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(All, WhatUninstallRestores, testing::Values(
    RestoreCase{"the saver before comes back", kOurs, true, kMystify, kMystify},
    RestoreCase{"none, as before", kOurs, true, kOffWithoutSaver, kOffWithoutSaver},
    RestoreCase{"no values, as on a fresh profile", kOurs, true, kNone, kNone},
    RestoreCase{"nothing remembered: no saver naming a removed file", kOurs, true, std::nullopt,
                SaverChoice{std::nullopt, L"1"}},
    RestoreCase{"the user's later choice stays", kMystify, false, kOffWithoutSaver, std::nullopt},
    RestoreCase{"no saver chosen now stays so", kNone, false, kMystify, std::nullopt}));

}  // namespace
}  // namespace setup
