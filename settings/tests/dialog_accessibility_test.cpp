// The settings dialog as a screen reader meets it: each part's name, role, states and place at
// 100 and 150 %, what each default action does, which part lies under a point, and what is
// announced when the dialog changed.
#include "settings/dialog_accessibility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using settings::AccessibleEvent;
using settings::AccessibleRole;
using settings::DialogCommand;
using settings::DialogPart;

const settings::AccessiblePart& PartOf(const std::vector<settings::AccessiblePart>& parts, DialogPart which) {
    for (const settings::AccessiblePart& part : parts) {
        if (part.part == which) return part;
    }
    throw std::logic_error("no such part");
}

struct PlaceCase {
    DialogPart part;
    const wchar_t* name;
    AccessibleRole role;
    int dpi;
    host::PixelRect place;  // in the dialog's client area
};
class PartPlaces : public testing::TestWithParam<PlaceCase> {};
TEST_P(PartPlaces, AreNamedAndStandWhereTheyAreDrawn) {
    settings::DialogSeen seen;
    seen.dpi = GetParam().dpi;
    const auto parts = settings::AccessibleParts(seen);
    ASSERT_EQ(parts.size(), static_cast<size_t>(settings::kDialogPartCount));
    const settings::AccessiblePart& part = PartOf(parts, GetParam().part);
    EXPECT_EQ(part.name, GetParam().name);
    EXPECT_EQ(part.role, GetParam().role);
    const host::PixelRect& p = part.place;
    const host::PixelRect& want = GetParam().place;
    EXPECT_EQ(std::vector<int>({p.left, p.top, p.right, p.bottom}), std::vector<int>({want.left, want.top, want.right, want.bottom}));
}
INSTANTIATE_TEST_SUITE_P(Parts, PartPlaces, testing::Values(
    PlaceCase{DialogPart::MusicPanel, L"BGM", AccessibleRole::Grouping, 96, {16, 16, 437, 141}},
    // A kind: its marker and its text, on the panel (16, 16); "音楽CD" on the top row.
    PlaceCase{DialogPart::KindCd, L"音楽CD", AccessibleRole::RadioButton, 96, {52, 56, 111, 69}},
    PlaceCase{DialogPart::KindNone, L"無し", AccessibleRole::RadioButton, 96, {52, 76, 91, 89}},
    PlaceCase{DialogPart::KindFile, L"MP3、WAV", AccessibleRole::RadioButton, 144, {78, 144, 192, 164}},
    PlaceCase{DialogPart::TrackBox, L"曲目をﾘﾋﾟｰﾄ", AccessibleRole::ComboBox, 96, {136, 52, 177, 72}},
    PlaceCase{DialogPart::ChooseFile, L"音楽ファイルを選択", AccessibleRole::PushButton, 144, {204, 144, 248, 176}},
    PlaceCase{DialogPart::MusicFile, L"BGMﾌｧｲﾙ", AccessibleRole::Text, 96, {168, 96, 425, 129}},
    PlaceCase{DialogPart::Set, L"設定", AccessibleRole::PushButton, 96, {272, 160, 353, 185}},
    // 353 x 1.5 = 529.5 and 185 x 1.5 = 277.5: the far edges round away from zero.
    PlaceCase{DialogPart::Set, L"設定", AccessibleRole::PushButton, 144, {408, 240, 530, 278}},
    PlaceCase{DialogPart::Cancel, L"ｷｬﾝｾﾙ", AccessibleRole::PushButton, 192, {712, 320, 874, 370}},
    PlaceCase{DialogPart::Credit, L"Designed by Mistloom Ver.1.0.0", AccessibleRole::StaticText, 96, {16, 152, 181, 165}},
    PlaceCase{DialogPart::Link, L"https://vaporquill.example/", AccessibleRole::Link, 144, {24, 252, 353, 272}}));

TEST(PartStates, FollowWhatTheDialogShows) {
    settings::DialogSeen seen;
    seen.chosenKind = 2;
    seen.trackText = L"3";
    seen.musicFile = L"C:\\音楽\\曲.mp3";
    seen.set = {/*hot*/ true, /*pressed*/ true, /*enabled*/ true, /*focused*/ true};
    seen.cancel.enabled = false;
    const auto parts = settings::AccessibleParts(seen);
    EXPECT_TRUE(PartOf(parts, DialogPart::KindFile).states.checked);
    EXPECT_FALSE(PartOf(parts, DialogPart::KindNone).states.checked);
    EXPECT_FALSE(PartOf(parts, DialogPart::KindCd).states.checked);
    EXPECT_EQ(PartOf(parts, DialogPart::TrackBox).value, L"3");
    EXPECT_EQ(PartOf(parts, DialogPart::MusicFile).value, L"C:\\音楽\\曲.mp3");
    EXPECT_TRUE(PartOf(parts, DialogPart::MusicFile).states.readOnly);
    const auto& set = PartOf(parts, DialogPart::Set).states;
    EXPECT_TRUE(set.hot && set.pressed && set.focused && set.focusable && !set.unavailable);
    EXPECT_TRUE(PartOf(parts, DialogPart::Cancel).states.unavailable);
    EXPECT_TRUE(PartOf(parts, DialogPart::Link).states.linked);
    EXPECT_EQ(PartOf(parts, DialogPart::Link).value, L"https://vaporquill.example/");

    seen.chosenKind.reset();  // a kind outside 0..2 from a hand-edited file: no marker chosen
    for (DialogPart kind : {DialogPart::KindCd, DialogPart::KindNone, DialogPart::KindFile}) {
        EXPECT_FALSE(PartOf(settings::AccessibleParts(seen), kind).states.checked);
    }
}

struct ActionCase {
    DialogPart part;
    DialogCommand command;
    const wchar_t* actionName;
};
class DefaultActions : public testing::TestWithParam<ActionCase> {};
TEST_P(DefaultActions, DoWhatAClickDoes) {
    EXPECT_EQ(settings::DefaultActionOf(GetParam().part), GetParam().command);
    EXPECT_EQ(PartOf(settings::AccessibleParts({}), GetParam().part).defaultAction, GetParam().actionName);
}
INSTANTIATE_TEST_SUITE_P(Parts, DefaultActions, testing::Values(
    ActionCase{DialogPart::KindCd, {DialogCommand::Kind::ChooseKind, 1}, L"チェック"},
    ActionCase{DialogPart::KindNone, {DialogCommand::Kind::ChooseKind, 0}, L"チェック"},
    ActionCase{DialogPart::KindFile, {DialogCommand::Kind::ChooseKind, 2}, L"チェック"},
    ActionCase{DialogPart::ChooseFile, {DialogCommand::Kind::ChooseFile, 0}, L"押す"},
    ActionCase{DialogPart::Set, {DialogCommand::Kind::Set, 0}, L"押す"},
    ActionCase{DialogPart::Cancel, {DialogCommand::Kind::Cancel, 0}, L"押す"},
    ActionCase{DialogPart::Link, {DialogCommand::Kind::OpenLink, 0}, L"ジャンプ"},
    ActionCase{DialogPart::MusicFile, {}, L""}, ActionCase{DialogPart::TrackBox, {}, L""},
    ActionCase{DialogPart::Credit, {}, L""}, ActionCase{DialogPart::MusicPanel, {}, L""}));

TEST(PartAt, FindsThePanelsPartsBeforeThePanel) {
    settings::DialogSeen seen;
    seen.dpi = 144;
    const auto parts = settings::AccessibleParts(seen);
    EXPECT_EQ(settings::PartAt(parts, 150, 152), DialogPart::KindFile) << "on the text MP3、WAV";
    EXPECT_EQ(settings::PartAt(parts, 400, 40), DialogPart::MusicPanel) << "on the clouds";
    EXPECT_EQ(settings::PartAt(parts, 420, 250), DialogPart::Set);
    EXPECT_EQ(settings::PartAt(parts, 530, 250), std::nullopt) << "the edge past 設定 is not in it";
    EXPECT_EQ(settings::PartAt(parts, 5, 5), std::nullopt) << "the gradient";
}

struct ChangeCase {
    const char* name;
    void (*change)(settings::DialogSeen&);
    std::vector<AccessibleEvent> told;
};
class Announcements : public testing::TestWithParam<ChangeCase> {};
TEST_P(Announcements, TellWhatChanged) {
    settings::DialogSeen before;
    before.chosenKind = 0;
    before.panelFocused = true;
    settings::DialogSeen after = before;
    GetParam().change(after);
    EXPECT_EQ(settings::AccessibleEventsBetween(before, after), GetParam().told);
}
using K = AccessibleEvent::Kind;
INSTANTIATE_TEST_SUITE_P(Changes, Announcements, testing::Values(
    ChangeCase{"Nothing", [](settings::DialogSeen&) {}, {}},
    ChangeCase{"AnotherKind", [](settings::DialogSeen& s) { s.chosenKind = 2; },
               {{K::StateChange, DialogPart::KindNone}, {K::StateChange, DialogPart::KindFile},
                {K::Selection, DialogPart::KindFile}}},
    ChangeCase{"AFileChosen", [](settings::DialogSeen& s) { s.musicFile = L"C:\\a.mp3"; },
               {{K::ValueChange, DialogPart::MusicFile}}},
    ChangeCase{"FocusOnSet", [](settings::DialogSeen& s) { s.panelFocused = false; s.set.focused = true; },
               {{K::Focus, DialogPart::Set}}},
    ChangeCase{"PointerOverCancel", [](settings::DialogSeen& s) { s.cancel.hot = true; },
               {{K::StateChange, DialogPart::Cancel}}},
    ChangeCase{"MovedToAnotherDpi", [](settings::DialogSeen& s) { s.dpi = 144; }, {}}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

}  // namespace
