// Which path of the installed saver the system is given, and whether a stored choice is it.
#include <gtest/gtest.h>

#include "setup/saver_path.h"

namespace setup {
namespace {

// A stand-in for code page 932: ASCII, the kana and the common kanji convert; accented Latin
// letters, Hangul and anything outside the Basic Multilingual Plane do not.
bool InShiftJis(wchar_t c) {
    return c < 0x80 || (c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF61 && c <= 0xFF9F);
}

const std::wstring kShort = L"C:\\Users\\TARO~1\\AppData\\Local\\Programs\\VAPORQ~1\\VAPORQ~1.SCR";

struct PathCase {
    const wchar_t* longPath;
    const wchar_t* shortPath;
    const wchar_t* stored;
};

class SaverPathToStoreCases : public testing::TestWithParam<PathCase> {};

TEST_P(SaverPathToStoreCases, GivesTheSystemAPathItCanRead) {
    EXPECT_EQ(SaverPathToStore(GetParam().longPath, GetParam().shortPath, InShiftJis), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(All, SaverPathToStoreCases, testing::Values(
    // Nothing to avoid: the long path, which a person can read.
    PathCase{L"C:\\Users\\taro\\Programs\\Vaporquill\\Vaporquill.scr", kShort.c_str(),
             L"C:\\Users\\taro\\Programs\\Vaporquill\\Vaporquill.scr"},
    PathCase{L"C:\\Users\\太郎\\Programs\\Vaporquill\\Vaporquill.scr", kShort.c_str(),
             L"C:\\Users\\太郎\\Programs\\Vaporquill\\Vaporquill.scr"},
    // A blank, or a character the code page cannot hold: the short path.
    PathCase{L"C:\\Users\\Taro Yamada\\Vaporquill.scr", kShort.c_str(), kShort.c_str()},
    PathCase{L"C:\\Users\\太郎 山田\\Vaporquill.scr", kShort.c_str(), kShort.c_str()},
    PathCase{L"C:\\Users\\Zoë\\Vaporquill.scr", kShort.c_str(), kShort.c_str()},
    PathCase{L"C:\\Users\\\xD55C\\Vaporquill.scr", kShort.c_str(), kShort.c_str()},
    PathCase{L"C:\\Users\\\xD83D\xDE00\\Vaporquill.scr", kShort.c_str(), kShort.c_str()},
    // No short names on the volume: the long path is all there is.
    PathCase{L"C:\\Users\\Taro Yamada\\Vaporquill.scr", L"", L"C:\\Users\\Taro Yamada\\Vaporquill.scr"},
    PathCase{L"C:\\Users\\Taro Yamada\\Vaporquill.scr", L"C:\\Users\\Taro Yamada\\Vaporquill.scr",
             L"C:\\Users\\Taro Yamada\\Vaporquill.scr"}));

struct NamesCase {
    const wchar_t* stored;
    bool namesIt;
};

class StoredChoiceNamesTheSaver : public testing::TestWithParam<NamesCase> {};

TEST_P(StoredChoiceNamesTheSaver, ByLongOrShortPath) {
    EXPECT_EQ(NamesInstalledSaver(GetParam().stored, L"C:\\Users\\Taro Yamada\\Programs\\Vaporquill\\Vaporquill.scr", kShort),
              GetParam().namesIt);
}

INSTANTIATE_TEST_SUITE_P(All, StoredChoiceNamesTheSaver, testing::Values(
    NamesCase{L"C:\\Users\\Taro Yamada\\Programs\\Vaporquill\\Vaporquill.scr", true},
    NamesCase{L"c:\\users\\taro yamada\\programs\\vaporquill\\VAPORQUILL.SCR", true},
    NamesCase{L"\"C:\\Users\\Taro Yamada\\Programs\\Vaporquill\\Vaporquill.scr\"", true},
    NamesCase{L"C:\\Users\\TARO~1\\AppData\\Local\\Programs\\VAPORQ~1\\VAPORQ~1.SCR", true},
    NamesCase{L"c:\\users\\taro~1\\appdata\\local\\programs\\vaporq~1\\vaporq~1.scr", true},
    NamesCase{L"C:\\Downloads\\Vaporquill.scr", false},
    NamesCase{L"C:\\Windows\\system32\\Mystify.scr", false},
    NamesCase{L"C:\\Users\\Taro Yamada\\Programs\\Vaporquill\\Vaporquill.scr.old", false},
    NamesCase{L"\"\"", false},
    NamesCase{L"", false}));

TEST(StoredChoiceNamesTheSaver, NotWithoutAShortPathToCompareWith) {
    EXPECT_FALSE(NamesInstalledSaver(L"", L"C:\\P\\Vaporquill.scr", L""));
    EXPECT_TRUE(NamesInstalledSaver(L"C:\\P\\Vaporquill.scr", L"C:\\P\\Vaporquill.scr", L""));
}

}  // namespace
}  // namespace setup
