// The settings dialog's decisions: what its load does and in which order, what each click
// changes in the settings record, when the record is saved, and the caption zoom between
// the pointer and the dialog. Portable: the dialog's window, controls and the system are
// reached through SettingsDialogPlatform; settings_dialog_win32 is the real one.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace settings {

struct ScreenPoint {
    int16_t x = 0, y = 0;
};
struct ScreenRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
struct SizeTwips {
    int32_t width = 0, height = 0;
};

class SettingsDialogPlatform {
  public:
    virtual ~SettingsDialogPlatform() = default;
    virtual SizeTwips ScreenSize() = 0;
    virtual SizeTwips DialogOuterSize() = 0;
    virtual void MoveDialog(int32_t leftTwips, int32_t topTwips) = 0;
    // Initialize of every push button on the dialog.
    virtual void InitButtons() = 0;
    // Covers the panel with the tile; gives the last copy's result.
    virtual int32_t TilePanel() = 0;
    virtual void ShowMarker(int index, bool selected) = 0;
    virtual void SetTrackBox(const std::wstring& text, const std::vector<std::wstring>& entries) = 0;
    virtual std::wstring TrackBoxText() = 0;
    // The file label shows a path held in the ANSI code page.
    virtual void ShowFile(const std::string& ansiPath) = 0;
    // The pointer's screen position; the result is the platform's (0 when it failed).
    virtual int32_t PointerPosition(int32_t& x, int32_t& y) = 0;
    virtual ScreenRect DialogFrame() = 0;
    virtual void AnimateCaption(const ScreenRect& from, const ScreenRect& to) = 0;
    virtual void SetHourglass(bool hourglass) = 0;
    // The open-file dialog; its result, and the chosen path (ANSI) when it is above 0.
    virtual int32_t ChooseFile(std::string& ansiPath) = 0;
    virtual SaveOutcome SaveSettings(const SettingsRecord& settings, int32_t& lastResult) = 0;
    // Tells the user, over the dialog, that the save failed and why; returns once they read it.
    virtual void ReportSaveFailure(const SaveOutcome& outcome) = 0;
    virtual void Unload() = 0;
    virtual std::wstring LinkText() = 0;
    virtual void OpenAddress(const std::wstring& address) = 0;
};

// Marker index for each music kind: 0 none, 1 audio CD, 2 music file.
inline constexpr int kMarkerCount = 3;

class SettingsDialog {
  public:
    SettingsDialog(SettingsDialogPlatform& platform, SettingsRecord& settings, int32_t& lastResult);

    // The load handler, before the dialog is first shown.
    void Load();
    // A click on a marker or on its kind label.
    void OnKindClicked(int index);
    // "..." (Cmd_BGM): ChooseBgmFile.
    void OnChooseFileClicked();
    // "設定" (Cmd_Set): the track, then SaveSettings (a failure told to the user), then unload.
    void OnSetClicked();
    // "ｷｬﾝｾﾙ" (Cmd_Can): unload, nothing written.
    void OnCancelClicked();
    // The unload handler, whoever closes the dialog.
    void OnUnload();
    void OnLinkClicked();

  private:
    void ShowMarkers();
    ScreenRect OriginRect() const;

    SettingsDialogPlatform& platform_;
    SettingsRecord& settings_;
    int32_t& lastResult_;
    ScreenPoint zoomOrigin_;
};

// Where the dialog sits: centred across, a third of the free height from the top, in
// whole-number divisions of the outer sizes in twips.
int32_t DialogLeftTwips(const SizeTwips& screen, const SizeTwips& dialog);
int32_t DialogTopTwips(const SizeTwips& screen, const SizeTwips& dialog);

}  // namespace settings
