// The settings dialog's decisions: where it opens and what it first shows, what a click on a
// kind or a chosen file changes in the settings record, what "設定" saves, and where the
// caption zoom starts and ends. Portable: settings_dialog_win32 lays the dialog out, gathers
// what these need and carries them out.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_record.h"

namespace settings {

struct ScreenRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
struct SizeTwips {
    int32_t width = 0, height = 0;
};

// The pointer's screen position as the platform read it; a result of 0 means it failed.
struct PointerReading {
    int32_t result = 0;
    int32_t x = 0, y = 0;
};

// Marker index for each music kind: 0 none, 1 audio CD, 2 music file.
inline constexpr int kMarkerCount = 3;

// What the load handler shows before the dialog is first seen.
struct DialogOpening {
    int32_t leftTwips = 0, topTwips = 0;  // where the dialog sits
    // The chosen kind's marker, selected; every other one unselected. None for a kind outside
    // 0..2 (a hand-edited file).
    std::optional<int> selectedMarker;
    std::wstring trackText;
    std::vector<std::wstring> trackEntries;
    std::string ansiFile;   // the music file's label, in the ANSI code page
    ScreenRect zoomOrigin;  // the caption zoom grows from here, and shrinks back at the end
};

class SettingsDialog {
  public:
    // Only the dialog changes the record.
    explicit SettingsDialog(SettingsRecord& settings) : settings_(settings) {}

    DialogOpening Load(const SizeTwips& screen, const SizeTwips& dialogOuter, const PointerReading& pointer);
    // A click on a marker or on its kind label: the marker to select (every other one
    // unselected), nothing for an index that names no kind.
    std::optional<int> OnKindClicked(int index);
    // "...": the file chooser's result and path. The file label's new text, or nothing when the
    // choice was cancelled or failed (a result not above 0).
    std::optional<std::string> OnFileChosen(int32_t result, const std::string& ansiPath);
    // "設定": the record to save, with the track typed in the box taken in. After the save (a
    // failure told to the user) the dialog unloads.
    const SettingsRecord& OnSetClicked(const std::wstring& trackText);
    // Where the caption zoom ends when the dialog unloads: where the pointer was when it opened.
    ScreenRect ZoomOrigin() const { return zoomOrigin_; }

  private:
    SettingsRecord& settings_;
    ScreenRect zoomOrigin_;
};

// Where the dialog sits: centred across, a third of the free height from the top, in
// whole-number divisions of the outer sizes in twips.
int32_t DialogLeftTwips(const SizeTwips& screen, const SizeTwips& dialog);
int32_t DialogTopTwips(const SizeTwips& screen, const SizeTwips& dialog);

}  // namespace settings
