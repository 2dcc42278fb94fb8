// The settings dialog's decisions over a recording platform: the order of its load, the
// markers per kind, what each button does to the record and the file, and the caption
// zoom that returns to where the pointer was when the dialog opened.
#include "settings/settings_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/save_failure_message.h"
#include "settings/track_box.h"

namespace {

using Log = std::vector<std::string>;

std::string Rect(const settings::ScreenRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class RecordingDialog : public settings::SettingsDialogPlatform {
  public:
    settings::SizeTwips ScreenSize() override { return {1280 * 15, 1024 * 15}; }
    settings::SizeTwips DialogOuterSize() override { return {459 * 15, 235 * 15}; }
    void MoveDialog(int32_t left, int32_t top) override {
        log.push_back("move " + std::to_string(left) + "," + std::to_string(top));
    }
    void InitButtons() override { log.push_back("init buttons"); }
    int32_t TilePanel() override {
        log.push_back("tile");
        return 1;
    }
    void ShowMarker(int index, bool selected) override {
        log.push_back("marker " + std::to_string(index) + (selected ? " on" : " off"));
    }
    void SetTrackBox(const std::wstring& text, const std::vector<std::wstring>& entries) override {
        trackText = text;
        log.push_back("track \"" + std::string(text.begin(), text.end()) + "\" of " + std::to_string(entries.size()));
    }
    std::wstring TrackBoxText() override { return trackText; }
    void ShowFile(const std::string& path) override { log.push_back("file \"" + path + "\""); }
    int32_t PointerPosition(int32_t& x, int32_t& y) override {
        log.push_back("pointer");
        x = pointer.left;
        y = pointer.top;
        return pointerResult;
    }
    settings::ScreenRect DialogFrame() override { return frame; }
    void AnimateCaption(const settings::ScreenRect& from, const settings::ScreenRect& to) override {
        log.push_back("zoom " + Rect(from) + " to " + Rect(to));
    }
    void SetHourglass(bool hourglass) override { log.push_back(hourglass ? "hourglass" : "default pointer"); }
    int32_t ChooseFile(std::string& path) override {
        log.push_back("choose file");
        if (chooseResult > 0) path = chosenPath;
        return chooseResult;
    }
    settings::SaveOutcome SaveSettings(const settings::SettingsRecord& settings, int32_t& lastResult) override {
        saved.push_back(settings);
        log.push_back("save");
        lastResult = saveOutcome.saved ? 1 : 0;
        return saveOutcome;
    }
    void ReportSaveFailure(const settings::SaveOutcome& outcome) override {
        log.push_back("tell " + outcome.path + " " + std::to_string(outcome.errorCode));
    }
    void Unload() override { log.push_back("unload"); }
    std::wstring LinkText() override { return L"https://vaporquill.example/"; }
    void OpenAddress(const std::wstring& address) override {
        log.push_back("open " + std::string(address.begin(), address.end()));
    }

    Log log;
    std::wstring trackText;
    settings::ScreenRect pointer{300, 400, 0, 0};
    int32_t pointerResult = 1;
    settings::ScreenRect frame{410, 263, 869, 498};
    int32_t chooseResult = 1;
    std::string chosenPath;
    std::vector<settings::SettingsRecord> saved;
    settings::SaveOutcome saveOutcome;
};

class SettingsDialogTest : public testing::Test {
  protected:
    RecordingDialog platform_;
    settings::SettingsRecord settings_;
    int32_t lastResult_ = 0;
    settings::SettingsDialog dialog_{platform_, settings_, lastResult_};
};

TEST_F(SettingsDialogTest, LoadRunsItsStepsInOrder) {
    settings_ = settings::SettingsRecord{settings::kBgmAudioCd, 7, "C:\\bgm.mp3"};
    dialog_.Load();
    EXPECT_EQ(platform_.log, (Log{"move 6157,3945", "init buttons", "tile", "marker 0 off", "marker 1 off",
                                  "marker 2 off", "marker 1 on", "track \"7\" of 31", "file \"C:\\bgm.mp3\"",
                                  "pointer", "zoom 300,400,300,400 to 410,263,869,498", "default pointer"}));
}

struct KindCase {
    int16_t kind;
    Log markers;
};
class MarkersByKind : public testing::TestWithParam<KindCase> {};

TEST_P(MarkersByKind, ExactlyTheKindsMarkerIsSelected) {
    RecordingDialog platform;
    settings::SettingsRecord settings{GetParam().kind, 0, ""};
    int32_t lastResult = 0;
    settings::SettingsDialog(platform, settings, lastResult).Load();
    Log markers;
    for (const std::string& entry : platform.log) {
        if (entry.rfind("marker", 0) == 0 && entry.find(" on") != std::string::npos) markers.push_back(entry);
    }
    EXPECT_EQ(markers, GetParam().markers);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MarkersByKind, testing::Values(
    KindCase{0, {"marker 0 on"}}, KindCase{1, {"marker 1 on"}}, KindCase{2, {"marker 2 on"}},
    KindCase{7, {}}, KindCase{-1, {}}));

TEST_F(SettingsDialogTest, TheCloseAnimationEndsWhereThePointerWasWhenTheDialogOpened) {
    dialog_.Load();
    platform_.pointer = settings::ScreenRect{5, 6, 0, 0};  // the pointer moved since
    platform_.log.clear();
    dialog_.OnUnload();
    EXPECT_EQ(platform_.log, (Log{"zoom 410,263,869,498 to 300,400,300,400"}));
}

TEST_F(SettingsDialogTest, AnUnreadPointerPutsTheZoomOriginAtTheScreensCorner) {
    platform_.pointerResult = 0;
    dialog_.Load();
    EXPECT_EQ(lastResult_, 0);
    platform_.log.clear();
    dialog_.OnUnload();
    EXPECT_EQ(platform_.log, (Log{"zoom 410,263,869,498 to 0,0,0,0"}));
}

TEST_F(SettingsDialogTest, AKindClickMarksItAndChangesOnlyTheKind) {
    settings_ = settings::SettingsRecord{settings::kBgmNone, 3, "C:\\a.wav"};
    dialog_.OnKindClicked(2);
    EXPECT_EQ(platform_.log, (Log{"marker 0 off", "marker 1 off", "marker 2 off", "marker 2 on"}));
    EXPECT_EQ(settings_.BgmKind, settings::kBgmMusicFile);
    EXPECT_EQ(settings_.BgmFile, "C:\\a.wav");
    EXPECT_EQ(settings_.BgmRepeat, 3);
}

struct TrackCase {
    const wchar_t* typed;
    int16_t saved;
};
class TrackBoxOnSet : public testing::TestWithParam<TrackCase> {};

TEST_P(TrackBoxOnSet, SavesTheTypedTrackThenUnloads) {
    RecordingDialog platform;
    settings::SettingsRecord settings{settings::kBgmAudioCd, 9, ""};
    int32_t lastResult = 0;
    settings::SettingsDialog dialog(platform, settings, lastResult);
    platform.trackText = GetParam().typed;
    dialog.OnSetClicked();
    ASSERT_EQ(platform.saved.size(), 1u);
    EXPECT_EQ(platform.saved[0].BgmRepeat, GetParam().saved);
    EXPECT_EQ(platform.log, (Log{"save", "unload"}));
}

INSTANTIATE_TEST_SUITE_P(Typed, TrackBoxOnSet, testing::Values(
    TrackCase{L"3", 3}, TrackCase{L"abc", 0}, TrackCase{L"", 0}, TrackCase{L"2.5", 2},
    TrackCase{L"3.5", 4}, TrackCase{L"40000", 9}, TrackCase{L"-3", -3}, TrackCase{L" 12 ", 12},
    TrackCase{L"１２", 0}, TrackCase{L"3x", 0}));

TEST_F(SettingsDialogTest, AFailedSaveIsToldBeforeTheDialogUnloads) {
    platform_.saveOutcome = settings::SaveOutcome{false, "C:\\Program Files\\Vaporquill\\Vaporquill.ini", 5};
    dialog_.OnSetClicked();
    EXPECT_EQ(platform_.log, (Log{"save", "tell C:\\Program Files\\Vaporquill\\Vaporquill.ini 5", "unload"}));
}

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

TEST_F(SettingsDialogTest, CancelUnloadsAndWritesNothing) {
    dialog_.OnKindClicked(1);
    platform_.log.clear();
    dialog_.OnCancelClicked();
    EXPECT_EQ(platform_.log, (Log{"unload"}));
    EXPECT_TRUE(platform_.saved.empty());
}

TEST_F(SettingsDialogTest, AChosenFileIsTakenAndShownAndACancelledChoiceChangesNothing) {
    settings_.BgmFile = "C:\\old.mp3";
    platform_.chooseResult = 0;
    dialog_.OnChooseFileClicked();
    EXPECT_EQ(settings_.BgmFile, "C:\\old.mp3");
    EXPECT_EQ(platform_.log, (Log{"choose file"}));

    platform_.chooseResult = 1;
    platform_.chosenPath = "C:\\\x89\xB9\x8A\x79\\song.mp3";  // 音楽 in code page 932
    dialog_.OnChooseFileClicked();
    EXPECT_EQ(settings_.BgmFile, platform_.chosenPath);
    EXPECT_EQ(platform_.log.back(), "file \"" + platform_.chosenPath + "\"");
    EXPECT_EQ(lastResult_, 1);
    EXPECT_EQ(settings_.BgmKind, settings::kBgmNone) << "choosing a file does not change the kind";
}

TEST_F(SettingsDialogTest, TheLinkOpensUnderTheHourglass) {
    dialog_.OnLinkClicked();
    EXPECT_EQ(platform_.log, (Log{"hourglass", "open https://vaporquill.example/", "default pointer"}));
}

TEST(DialogPlace, CentredAcrossAndAThirdDown) {
    const settings::SizeTwips screen{1280 * 15, 1024 * 15};
    EXPECT_EQ(settings::DialogLeftTwips(screen, {459 * 15, 235 * 15}), 6157);  // (19200 - 6885) / 2, rounded down
    EXPECT_EQ(settings::DialogTopTwips(screen, {459 * 15, 235 * 15}), 3945);
    EXPECT_EQ(settings::DialogLeftTwips({600, 600}, {901, 300}), -150) << "towards zero when it does not fit";
}

}  // namespace
