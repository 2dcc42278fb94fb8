// The settings dialog of the real program as a screen reader meets it, from another process:
// the whole accessible tree (Japanese names, roles, states, values, places that match what is
// drawn) and the dialog worked by default actions alone: "MP3、WAV", then "設定", writes the
// settings file byte for byte as the same choice made with the mouse.
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/tests/dialog_under_test.h"
#include "testing/wintest/accessible_tree.h"

namespace {

using dialog_test::DialogUnderTest;
using dialog_test::kGenerousMs;
using dialog_test::WorldDpi;

struct PartSeen {
    const wchar_t* name;
    long role;
    long statesAtOpen;  // with no settings file: 無し chosen, the panel focused
    const wchar_t* value;
    const wchar_t* defaultAction;
};
const PartSeen kTree[] = {
    {L"BGM", ROLE_SYSTEM_GROUPING, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED, L"", L""},
    {L"音楽CD", ROLE_SYSTEM_RADIOBUTTON, 0, L"", L"チェック"},
    {L"無し", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_CHECKED, L"", L"チェック"},
    {L"MP3、WAV", ROLE_SYSTEM_RADIOBUTTON, 0, L"", L"チェック"},
    {L"曲目をﾘﾋﾟｰﾄ", ROLE_SYSTEM_COMBOBOX, STATE_SYSTEM_FOCUSABLE, L"", L""},
    {L"音楽ファイルを選択", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, L"", L"押す"},
    {L"BGMﾌｧｲﾙ", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY, L"", L""},
    {L"設定", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, L"", L"押す"},
    {L"ｷｬﾝｾﾙ", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, L"", L"押す"},
    {L"Designed by Mistloom Ver.1.0.0", ROLE_SYSTEM_STATICTEXT, STATE_SYSTEM_READONLY, L"", L""},
    {L"https://vaporquill.example/", ROLE_SYSTEM_LINK, STATE_SYSTEM_LINKED, L"https://vaporquill.example/", L"ジャンプ"},
};
constexpr long kKindFile = 4;  // child ids count from 1 in the order above
constexpr long kSet = 8;

bool IsBlue(uint32_t rgb) { return int(rgb & 0xFF) > int(rgb >> 16) + 60; }
bool IsWhite(uint32_t rgb) { return (rgb >> 16) > 230 && ((rgb >> 8) & 0xFF) > 230 && (rgb & 0xFF) > 230; }

// How many pixels of the screen place pass the test.
int Count(const wintest::Screenshot& shot, const RECT& place, bool (*passes)(uint32_t)) {
    int count = 0;
    for (int y = place.top; y < place.bottom; ++y) {
        for (int x = place.left; x < place.right; ++x) count += passes(shot.Pixel(x, y)) ? 1 : 0;
    }
    return count;
}

RECT WindowRectAt(POINT screen, bool topChild = false) {
    HWND window = WindowFromPoint(screen);
    // The track box's text is an edit inside the combo box: the box is its parent.
    if (topChild && window) window = GetParent(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class DialogAccessibility : public DialogUnderTest {};

TEST_F(DialogAccessibility, AScreenReaderReadsEveryPartWithItsNameRoleStateAndDrawnPlace) {
    Open();
    const std::optional<wintest::AccessibleChild> client = wintest::ReadAccessibleClient(window_);
    ASSERT_TRUE(client.has_value()) << "the dialog answers WM_GETOBJECT across processes";
    EXPECT_EQ(client->name, L"<Vaporquill>");
    EXPECT_EQ(client->role, ROLE_SYSTEM_DIALOG);
    const std::optional<std::vector<wintest::AccessibleChild>> tree = wintest::ReadAccessibleChildren(window_);
    ASSERT_TRUE(tree.has_value());
    ASSERT_EQ(tree->size(), std::size(kTree));
    std::printf("accessible tree at %d DPI (name | role | state | value | default action | place):\n", WorldDpi());
    for (size_t i = 0; i < tree->size(); ++i) {
        const wintest::AccessibleChild& part = (*tree)[i];
        std::printf("  %s | %s | %s | %s | %s | %ld,%ld %ldx%ld\n", wintest::Utf8(part.name).c_str(),
                    wintest::RoleText(part.role).c_str(), wintest::StateText(part.state).c_str(),
                    wintest::Utf8(part.value).c_str(), wintest::Utf8(part.defaultAction).c_str(), part.place.left,
                    part.place.top, part.place.right - part.place.left, part.place.bottom - part.place.top);
        EXPECT_EQ(part.name, kTree[i].name) << i;
        EXPECT_EQ(part.role, kTree[i].role) << wintest::Utf8(part.name);
        EXPECT_EQ(part.state, kTree[i].statesAtOpen) << wintest::Utf8(part.name) << ": " << wintest::StateText(part.state);
        EXPECT_EQ(part.value, kTree[i].value) << wintest::Utf8(part.name);
        EXPECT_EQ(part.defaultAction, kTree[i].defaultAction) << wintest::Utf8(part.name);
    }
    // The places are where the parts are drawn: a window part is that window, a kind shows
    // its marker (blue where chosen), the white lines their text.
    const auto& parts = *tree;
    for (long id : {1L, 6L, 8L, 9L}) {
        RECT drawn = WindowRectAt(Centre(parts[id - 1].place));
        EXPECT_TRUE(EqualRect(&drawn, &parts[id - 1].place)) << wintest::Utf8(parts[id - 1].name) << " drawn at "
            << drawn.left << "," << drawn.top << " " << drawn.right - drawn.left << "x" << drawn.bottom - drawn.top;
    }
    const RECT track = parts[4].place;
    const RECT trackDrawn = WindowRectAt(POINT{track.left + 4, track.top + 4}, /*topChild*/ true);
    EXPECT_EQ(trackDrawn.left, track.left);
    EXPECT_EQ(trackDrawn.top, track.top);
    const wintest::Screenshot shot = wintest::CaptureScreen();
    // A kind's marker is the square at the start of its place.
    const auto markerCentre = [](const RECT& kind) {
        const int side = kind.bottom - kind.top;
        return POINT{kind.left + side / 2, kind.top + side / 2};
    };
    EXPECT_TRUE(IsBlue(shot.Pixel(markerCentre(parts[2].place).x, markerCentre(parts[2].place).y)))
        << "無し's marker, chosen, lies in its place";
    EXPECT_FALSE(IsBlue(shot.Pixel(markerCentre(parts[1].place).x, markerCentre(parts[1].place).y)))
        << "音楽CD is not chosen";
    EXPECT_GT(Count(shot, parts[9].place, IsWhite), 20) << "the credit line's text";
    EXPECT_GT(Count(shot, parts[10].place, IsWhite), 20) << "the address's text";
    SaveScreenshot("accessible_open");
    PostMessageA(window_, WM_CLOSE, 0, 0);
    ExpectEnds();
}

TEST_F(DialogAccessibility, DefaultActionsAloneSaveTheFileAsTheMouseDoes) {
    // The mouse: a click on the text "MP3、WAV", then on 設定.
    const std::string byMouse = Install(name_ + "_mouse");
    Open(byMouse);
    const std::optional<std::vector<wintest::AccessibleChild>> tree = wintest::ReadAccessibleChildren(window_);
    ASSERT_TRUE(tree.has_value());
    const RECT kind = (*tree)[kKindFile - 1].place;
    wintest::ClickAt(POINT{kind.right - 4, (kind.top + kind.bottom) / 2});
    ASSERT_TRUE(wintest::PumpUntil([&] {
        return (wintest::AccessibleStateOf(window_, kKindFile).value_or(0) & STATE_SYSTEM_CHECKED) != 0;
    }, kGenerousMs));
    wintest::ClickAt(Centre((*tree)[kSet - 1].place));
    ExpectEnds();
    const std::optional<std::string> mouseFile = wintest::ReadFileBytes(IniPath(byMouse));
    wintest::DeleteTree(byMouse);
    ASSERT_TRUE(mouseFile.has_value()) << "the mouse saved";

    // A screen reader: the default action of "MP3、WAV", then that of 設定; no input at all.
    Open();
    ASSERT_EQ(wintest::DoAccessibleDefaultAction(window_, kKindFile), S_OK);
    ASSERT_TRUE(wintest::PumpUntil([&] {
        return (wintest::AccessibleStateOf(window_, kKindFile).value_or(0) & STATE_SYSTEM_CHECKED) != 0;
    }, kGenerousMs)) << "MP3、WAV is chosen";
    EXPECT_EQ(wintest::AccessibleStateOf(window_, kKindFile - 1).value_or(-1) & STATE_SYSTEM_CHECKED, 0) << "無し is not";
    SaveScreenshot("accessible_kind_file");
    ASSERT_EQ(wintest::DoAccessibleDefaultAction(window_, kSet), S_OK);
    ExpectEnds();
    EXPECT_EQ(wintest::ReadFileBytes(IniPath(folder_)), mouseFile) << "byte for byte as by the mouse";
}

}  // namespace
