// The settings dialog's decisions; see settings_dialog.h. A failing step is passed over and
// the next one runs, as everywhere in the front end.
#include "settings/settings_dialog.h"

#include "settings/track_box.h"

namespace settings {

namespace {

bool FitsInt16(int32_t value) { return value >= INT16_MIN && value <= INT16_MAX; }

}  // namespace

int32_t DialogLeftTwips(const SizeTwips& screen, const SizeTwips& dialog) {
    return (screen.width - dialog.width) / 2;
}

int32_t DialogTopTwips(const SizeTwips& screen, const SizeTwips& dialog) {
    return (screen.height - dialog.height) / 3;
}

SettingsDialog::SettingsDialog(SettingsDialogPlatform& platform, SettingsRecord& settings, int32_t& lastResult)
    : platform_(platform), settings_(settings), lastResult_(lastResult) {}

void SettingsDialog::Load() {
    const SizeTwips screen = platform_.ScreenSize();
    const SizeTwips dialog = platform_.DialogOuterSize();
    platform_.MoveDialog(DialogLeftTwips(screen, dialog), DialogTopTwips(screen, dialog));
    platform_.InitButtons();
    lastResult_ = platform_.TilePanel();
    ShowMarkers();
    platform_.SetTrackBox(TrackTextOf(settings_.BgmRepeat), TrackListEntries());
    platform_.ShowFile(settings_.BgmFile);

    int32_t x = 0;
    int32_t y = 0;
    lastResult_ = platform_.PointerPosition(x, y);
    zoomOrigin_ = ScreenPoint{};
    // A coordinate that does not fit 16 bits is a failed step: that one stays 0.
    if (lastResult_ != 0) {
        if (FitsInt16(x)) zoomOrigin_.x = static_cast<int16_t>(x);
        if (FitsInt16(y)) zoomOrigin_.y = static_cast<int16_t>(y);
    }
    platform_.AnimateCaption(OriginRect(), platform_.DialogFrame());
    platform_.SetHourglass(false);
}

void SettingsDialog::ShowMarkers() {
    for (int index = 0; index < kMarkerCount; ++index) platform_.ShowMarker(index, false);
    // A kind outside 0..2 (a hand-edited file) marks nothing.
    if (settings_.BgmKind >= 0 && settings_.BgmKind < kMarkerCount) platform_.ShowMarker(settings_.BgmKind, true);
}

void SettingsDialog::OnKindClicked(int index) {
    if (index < 0 || index >= kMarkerCount) return;
    for (int marker = 0; marker < kMarkerCount; ++marker) platform_.ShowMarker(marker, false);
    platform_.ShowMarker(index, true);
    settings_.BgmKind = static_cast<int16_t>(index);
}

void SettingsDialog::OnChooseFileClicked() {
    std::string chosen;
    lastResult_ = platform_.ChooseFile(chosen);
    if (lastResult_ <= 0) return;  // cancelled or failed: nothing changes
    settings_.BgmFile = chosen;
    platform_.ShowFile(settings_.BgmFile);
}

void SettingsDialog::OnSetClicked() {
    settings_.BgmRepeat = RepeatFromTrackText(platform_.TrackBoxText(), settings_.BgmRepeat);
    const SaveOutcome outcome = platform_.SaveSettings(settings_, lastResult_);
    // NOTE: a folder the program may not write to (a 64-bit program under Program Files gets
    // no redirection) would otherwise lose the choice in silence.
    if (!outcome.saved) platform_.ReportSaveFailure(outcome);
    platform_.Unload();
}

void SettingsDialog::OnCancelClicked() { platform_.Unload(); }

ScreenRect SettingsDialog::OriginRect() const {
    return ScreenRect{zoomOrigin_.x, zoomOrigin_.y, zoomOrigin_.x, zoomOrigin_.y};
}

void SettingsDialog::OnUnload() { platform_.AnimateCaption(platform_.DialogFrame(), OriginRect()); }

void SettingsDialog::OnLinkClicked() {
    platform_.SetHourglass(true);
    platform_.OpenAddress(platform_.LinkText());
    platform_.SetHourglass(false);
}

}  // namespace settings
