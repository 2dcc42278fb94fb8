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

DialogOpening SettingsDialog::Load(const SizeTwips& screen, const SizeTwips& dialogOuter,
                                   const PointerReading& pointer) {
    DialogOpening opening;
    opening.leftTwips = DialogLeftTwips(screen, dialogOuter);
    opening.topTwips = DialogTopTwips(screen, dialogOuter);
    if (settings_.BgmKind >= 0 && settings_.BgmKind < kMarkerCount) opening.selectedMarker = settings_.BgmKind;
    opening.trackText = TrackTextOf(settings_.BgmRepeat);
    opening.trackEntries = TrackListEntries();
    opening.ansiFile = settings_.BgmFile;
    // The origin is a point; a coordinate that does not fit 16 bits is a failed step and
    // stays 0, as both do when the pointer could not be read.
    zoomOrigin_ = ScreenRect{};
    if (pointer.result != 0) {
        if (FitsInt16(pointer.x)) zoomOrigin_.left = zoomOrigin_.right = pointer.x;
        if (FitsInt16(pointer.y)) zoomOrigin_.top = zoomOrigin_.bottom = pointer.y;
    }
    opening.zoomOrigin = zoomOrigin_;
    return opening;
}

std::optional<int> SettingsDialog::OnKindClicked(int index) {
    if (index < 0 || index >= kMarkerCount) return std::nullopt;
    settings_.BgmKind = static_cast<int16_t>(index);
    return index;
}

std::optional<std::string> SettingsDialog::OnFileChosen(int32_t result, const std::string& ansiPath) {
    if (result <= 0) return std::nullopt;  // cancelled or failed: nothing changes
    settings_.BgmFile = ansiPath;
    return settings_.BgmFile;
}

const SettingsRecord& SettingsDialog::OnSetClicked(const std::wstring& trackText) {
    settings_.BgmRepeat = RepeatFromTrackText(trackText, settings_.BgmRepeat);
    return settings_;
}

}  // namespace settings
