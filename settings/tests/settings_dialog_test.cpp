// The settings dialog's decisions: where it opens and what it shows first, the markers per
// kind, what a kind click, a chosen file and "設定" do to the record, and the caption zoom
// that returns to where the pointer was when the dialog opened.
#include "settings/settings_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/save_failure_message.h"
#include "settings/track_box.h"

namespace {

constexpr settings::SizeTwips kScreen{1280 * 15, 1024 * 15};
constexpr settings::SizeTwips kDialogOuter{459 * 15, 235 * 15};
constexpr settings::PointerReading kPointer{1, 300, 400};

TEST(DialogOpening, ShowsTheRecordInItsPlaceAndRemembersThePointer) {
    settings::SettingsRecord record{settings::kBgmAudioCd, 7, "C:\\bgm.mp3"};
    settings::SettingsDialog dialog(record);
    const settings::DialogOpening opening = dialog.Load(kScreen, kDialogOuter, kPointer);
    EXPECT_EQ(opening.leftTwips, 6157);  // (19200 - 6885) / 2, rounded down
    EXPECT_EQ(opening.topTwips, 3945);
    EXPECT_EQ(opening.selectedMarker, 1);
    EXPECT_EQ(opening.trackText, L"7");
    EXPECT_EQ(opening.trackEntries, settings::TrackListEntries());
    EXPECT_EQ(opening.ansiFile, "C:\\bgm.mp3");
    EXPECT_EQ(opening.zoomOrigin, (settings::ScreenRect{300, 400, 300, 400}));
    EXPECT_EQ(dialog.ZoomOrigin(), opening.zoomOrigin) << "the zoom returns where it came from";
}

TEST(DialogOpening, ADialogTooWideForTheScreenSitsLeftOfItsEdge) {
    settings::SettingsRecord record;
    const auto opening = settings::SettingsDialog(record).Load({600, 600}, {901, 300}, kPointer);
    EXPECT_EQ(opening.leftTwips, -150) << "towards zero when it does not fit";
    EXPECT_EQ(opening.topTwips, 100);
}

struct KindCase {
    int16_t kind;
    std::optional<int> marker;
};
class MarkersByKind : public testing::TestWithParam<KindCase> {};

TEST_P(MarkersByKind, ExactlyTheKindsMarkerIsSelected) {
    settings::SettingsRecord record{GetParam().kind, 0, ""};
    EXPECT_EQ(settings::SettingsDialog(record).Load(kScreen, kDialogOuter, kPointer).selectedMarker, GetParam().marker);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MarkersByKind, testing::Values(
    KindCase{0, 0}, KindCase{1, 1}, KindCase{2, 2}, KindCase{7, std::nullopt}, KindCase{-1, std::nullopt}));

struct PointerCase {
    settings::PointerReading pointer;
    settings::ScreenRect origin;
};
class ZoomOrigin : public testing::TestWithParam<PointerCase> {};

TEST_P(ZoomOrigin, IsThePointerOrTheScreensCornerForWhatCannotBeRead) {
    settings::SettingsRecord record;
    settings::SettingsDialog dialog(record);
    dialog.Load(kScreen, kDialogOuter, GetParam().pointer);
    EXPECT_EQ(dialog.ZoomOrigin(), GetParam().origin);
}

INSTANTIATE_TEST_SUITE_P(Readings, ZoomOrigin, testing::Values(
    PointerCase{{1, 300, 400}, {300, 400, 300, 400}},
    PointerCase{{0, 300, 400}, {0, 0, 0, 0}},            // the pointer could not be read
    PointerCase{{1, -40000, 400}, {0, 400, 0, 400}},     // a coordinate beyond 16 bits stays 0
    PointerCase{{1, 5, 32768}, {5, 0, 5, 0}}));

TEST(KindClick, MarksTheKindAndChangesOnlyTheKind) {
    settings::SettingsRecord record{settings::kBgmNone, 3, "C:\\a.wav"};
    settings::SettingsDialog dialog(record);
    EXPECT_EQ(dialog.OnKindClicked(2), 2);
    EXPECT_EQ(record.BgmKind, settings::kBgmMusicFile);
    EXPECT_EQ(record.BgmFile, "C:\\a.wav");
    EXPECT_EQ(record.BgmRepeat, 3);
    EXPECT_EQ(dialog.OnKindClicked(3), std::nullopt) << "an index that names no kind changes nothing";
    EXPECT_EQ(record.BgmKind, settings::kBgmMusicFile);
}

struct TrackCase {
    const wchar_t* typed;
    int16_t saved;
};
class TrackBoxOnSet : public testing::TestWithParam<TrackCase> {};

TEST_P(TrackBoxOnSet, SavesTheTypedTrack) {
    settings::SettingsRecord record{settings::kBgmAudioCd, 9, ""};
    settings::SettingsDialog dialog(record);
    EXPECT_EQ(dialog.OnSetClicked(GetParam().typed).BgmRepeat, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Typed, TrackBoxOnSet, testing::Values(
    TrackCase{L"3", 3}, TrackCase{L"abc", 0}, TrackCase{L"", 0}, TrackCase{L"2.5", 2},
    TrackCase{L"3.5", 4}, TrackCase{L"40000", 9}, TrackCase{L"-3", -3}, TrackCase{L" 12 ", 12},
    TrackCase{L"１２", 0}, TrackCase{L"3x", 0}));

TEST(SaveFailureMessage, NamesTheFileAndTheReasonWithoutTheSystemsLineBreak) {
    struct Case { const wchar_t* reason; const wchar_t* shown; };
    for (const Case& c : {Case{L"アクセスが拒否されました。\r\n", L"理由: アクセスが拒否されました。 (エラー 5)\r\n"},
                          Case{L"", L"理由: エラー 5\r\n"}, Case{L" \r\n", L"理由: エラー 5\r\n"}}) {
        const std::wstring text = settings::SaveFailureMessage(L"C:\\Program Files\\表\\Vaporquill.ini", c.reason, 5);
        EXPECT_EQ(text.rfind(L"設定を保存できませんでした。", 0), 0u);
        EXPECT_NE(text.find(L"ファイル: C:\\Program Files\\表\\Vaporquill.ini\r\n"), std::wstring::npos);
        EXPECT_NE(text.find(c.shown), std::wstring::npos);
    }
}

TEST(FileChoice, AChosenFileIsTakenAndShownAndACancelledChoiceChangesNothing) {
    settings::SettingsRecord record{settings::kBgmNone, 0, "C:\\old.mp3"};
    settings::SettingsDialog dialog(record);
    EXPECT_EQ(dialog.OnFileChosen(0, "C:\\other.mp3"), std::nullopt);
    EXPECT_EQ(record.BgmFile, "C:\\old.mp3");

    const std::string chosen = "C:\\\x89\xB9\x8A\x79\\song.mp3";  // 音楽 in code page 932
    EXPECT_EQ(dialog.OnFileChosen(1, chosen), chosen);
    EXPECT_EQ(record.BgmFile, chosen);
    EXPECT_EQ(record.BgmKind, settings::kBgmNone) << "choosing a file does not change the kind";
}

}  // namespace
