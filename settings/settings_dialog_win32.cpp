// The settings dialog on the form host: its window, controls and pictures, the gradient and
// the tiled panel, and the system calls its decisions need. settings_dialog decides what
// each handler does; this file lays the dialog out and carries the calls out.
#include "settings/settings_dialog_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "common/exchange_names.h"
#include "controls/command_button_win32.h"
#include "host/ansi_text_win32.h"
#include "host/combo_box_win32.h"
#include "host/control_array.h"
#include "host/form_win32.h"
#include "host/host_services_win32.h"
#include "host/image_win32.h"
#include "host/label_win32.h"
#include "host/picture_box_win32.h"
#include "host/shape_win32.h"
#include "settings/bgm_file_chooser_win32.h"
#include "settings/credits.h"
#include "settings/dialog_background.h"
#include "settings/save_failure_message.h"
#include "settings/settings_dialog.h"

#include "settings/settings_file_win32.h"

namespace settings {

namespace {

constexpr int kClientWidthPx = 453;
constexpr int kClientHeightPx = 206;
constexpr COLORREF kStoredGrey = RGB(128, 128, 128);  // covered by the gradient
constexpr COLORREF kSilver = RGB(192, 192, 192);      // the panel's, covered by the tile
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

host::PropertyStore ButtonProperties(const wchar_t* caption) {
    host::PropertyStore stored;
    stored.Write(L"Caption", std::wstring(caption), std::wstring(L"Command"));
    return stored;
}

host::LabelLook Look(COLORREF colour, bool centred = false, bool border = false) {
    return host::LabelLook{host::DialogFont(), colour, centred, border};
}

host::LabelLook LinkLook() {
    host::LabelLook look = Look(kWhite);
    look.font.underline = true;
    return look;
}

// The application title, as on the front end's other message boxes.
constexpr const wchar_t* kSaveFailureCaption = L"Vaporquill (Screen Saver)";

// The system's own words for an error code, in the user's language; empty when it has none.
std::wstring SystemErrorText(uint32_t errorCode) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        errorCode, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result = length > 0 && text ? std::wstring(text, length) : std::wstring();
    if (text) LocalFree(text);
    return result;
}

class SettingsDialogWindow {
  public:
    SettingsDialogWindow(host::FormHost& host, SettingsRecord& settings, int32_t& lastResult)
        : host_(host), dialog_(settings), lastResult_(lastResult) {
        markers_.click = [this](int index) { OnKindClicked(index); };
        kindLabels_.click = [this](int index) { OnKindClicked(index); };
        // Top to bottom: audio CD, none, music file.
        const int markerIndexes[] = {1, 0, 2};
        const wchar_t* kindTexts[] = {L"音楽CD", L"無し", L"MP3、WAV"};
        const int kindWidthsPx[] = {43, 23, 60};
        for (int row = 0; row < 3; ++row) {
            const int top = 40 + 20 * row;
            markers_.Add(markerIndexes[row], panel_, host::TwipsRectOfPixels(36, top, 13, 13));
            kindLabels_.Add(markerIndexes[row], panel_, host::TwipsRectOfPixels(52, top, kindWidthsPx[row], 13),
                            kindTexts[row], Look(kBlack));
        }
        chooseFile_.Click = [this] { OnChooseFileClicked(); };
        set_.Click = [this] { OnSetClicked(); };
        cancel_.Click = [this] { form_.Unload(); };  // nothing written
        link_.pointer = LoadCursor(nullptr, IDC_HAND);
        link_.events.click = [this] { OnLinkClicked(); };
        form_.SetFocusOrder({&panel_, &track_, &set_, &cancel_, &chooseFile_, &tile_});
    }

    void ShowModal() { form_.ShowModal(); }

  private:
    // The load handler, before the dialog is first shown.
    void OnLoad() {
        POINT pointer{};
        lastResult_ = GetCursorPos(&pointer);
        const SIZE screen = host::ScreenSizeTwips();
        const SIZE outer = form_.OuterSizeTwips();
        const DialogOpening opening =
            dialog_.Load({screen.cx, screen.cy}, {outer.cx, outer.cy}, {lastResult_, pointer.x, pointer.y});
        form_.MoveTwips(opening.leftTwips, opening.topTwips, outer.cx, outer.cy);
        for (controls::CommandButton* button : {&chooseFile_, &set_, &cancel_}) button->Initialize();
        lastResult_ = TilePanel();
        ShowMarkers(opening.selectedMarker);
        track_.SetText(opening.trackText);
        track_.ClearItems();
        for (const std::wstring& entry : opening.trackEntries) track_.AddItem(entry);
        track_.SetText(opening.trackText);
        fileLabel_.SetCaption(host::FromAnsi(opening.ansiFile));
        AnimateCaption(opening.zoomOrigin, DialogFrame());
        host_.SetScreenPointer(host::ScreenPointer::Default);
    }

    // The unload handler, whoever closes the dialog: the caption shrinks back to where the
    // pointer was when it opened.
    void OnUnload() { AnimateCaption(DialogFrame(), dialog_.ZoomOrigin()); }

    void OnKindClicked(int index) {
        if (const std::optional<int> selected = dialog_.OnKindClicked(index)) ShowMarkers(selected);
    }

    void OnChooseFileClicked() {
        std::string chosen;
        lastResult_ = ChooseBgmFile(form_.window(), host_.instance(), chosen);
        if (const std::optional<std::string> shown = dialog_.OnFileChosen(lastResult_, chosen)) {
            fileLabel_.SetCaption(host::FromAnsi(*shown));
        }
    }

    void OnSetClicked() {
        const SaveOutcome outcome = SaveSettings(dialog_.OnSetClicked(track_.text()), lastResult_);
        // NOTE: a folder the program may not write to (a 64-bit program under Program Files gets
        // no redirection) would otherwise lose the choice in silence.
        if (!outcome.saved) ReportSaveFailure(outcome);
        form_.Unload();
    }

    void OnLinkClicked() {
        host_.SetScreenPointer(host::ScreenPointer::Hourglass);
        // Skipped by design: an address the system cannot open is not reported.
        ShellExecuteA(form_.window(), "open", host::ToAnsi(link_.caption()).c_str(), "", "", SW_SHOWNORMAL);
        host_.SetScreenPointer(host::ScreenPointer::Default);
    }

    // Covers the panel with the tile; gives the last copy's result.
    int32_t TilePanel() {
        const std::shared_ptr<const host::Picture>& tile = tile_.picture();
        const int tileWidth = tile ? tile->widthPx() : 0;
        const int tileHeight = tile ? tile->heightPx() : 0;
        int32_t result = 0;
        for (const TilePosition& at : TilePositions(panel_.scaleWidthPx(), panel_.scaleHeightPx(), tileWidth, tileHeight)) {
            result = BitBlt(panel_.surface().dc(), at.x, at.y, tileWidth, tileHeight, tile_.surface().dc(), 0, 0,
                            SRCCOPY);
        }
        panel_.Refresh();
        return result;
    }

    void ShowMarkers(std::optional<int> selected) {
        for (int index = 0; index < kMarkerCount; ++index) {
            if (markers_.Has(index)) markers_[index].SetPicture(markerPictures_[index == selected ? 1 : 0].picture());
        }
    }

    ScreenRect DialogFrame() {
        RECT frame{};
        GetWindowRect(form_.window(), &frame);
        return ScreenRect{frame.left, frame.top, frame.right, frame.bottom};
    }

    void AnimateCaption(const ScreenRect& from, const ScreenRect& to) {
        const RECT fromRect{from.left, from.top, from.right, from.bottom};
        const RECT toRect{to.left, to.top, to.right, to.bottom};
        // Skipped by design: the animation's result is not used.
        DrawAnimatedRects(form_.window(), IDANI_CAPTION, &fromRect, &toRect);
    }

    // Tells the user, over the dialog, that the save failed and why; returns once they read it.
    void ReportSaveFailure(const SaveOutcome& outcome) {
        const std::wstring text = SaveFailureMessage(host::FromAnsi(outcome.path), SystemErrorText(outcome.errorCode),
                                                     outcome.errorCode);
        // NOTE: the wide box keeps the Japanese text whatever the code page; owned by the
        // dialog so it stays in front of it.
        MessageBoxW(form_.window(), text.c_str(), kSaveFailureCaption, MB_OK | MB_ICONEXCLAMATION);
    }

    void DrawBackground() {
        const int width = form_.scaleWidthPx();
        for (const GradientRow& row : GradientRows(form_.scaleHeightPx())) {
            form_.surface().Line(0, row.y, width, row.y, RGB(row.red, row.green, row.blue));
        }
        form_.Refresh();
    }

    host::FormHost& host_;
    SettingsDialog dialog_;
    int32_t& lastResult_;
    host::Form form_{host_, common::kSettingsDialogTitle, host::FormLook{true, kStoredGrey, kClientWidthPx, kClientHeightPx},
               host::FormHandlers{[this] { OnLoad(); }, [this] { DrawBackground(); }, nullptr,
                            [this] { OnUnload(); }}};
    // The panel and what it holds, in their places relative to it.
    host::PictureBox panel_{form_, host::TwipsRectOfPixels(16, 16, 421, 125), kSilver};  // Pic_1
    host::Shape headingFrame_{panel_, host::TwipsRectOfPixels(8, 8, 101, 21)};
    host::Label heading_{panel_, host::TwipsRectOfPixels(8, 12, 101, 17), L"BGM", Look(kBlack, /*centred*/ true)};
    host::ControlArray<host::Image> markers_;     // Img_BGM
    host::ControlArray<host::Label> kindLabels_;  // lbl_BGM
    host::ComboBox track_{panel_, host::TwipsRectOfPixels(120, 36, 41, 20)};  // BGM_Repeat
    host::Label trackLabel_{panel_, host::TwipsRectOfPixels(164, 40, 66, 13), L"曲目をﾘﾋﾟｰﾄ", Look(kBlack)};
    controls::CommandButton chooseFile_{panel_, host::TwipsRectOfPixels(120, 80, 29, 21), ButtonProperties(L"...")};  // Cmd_BGM
    host::Label fileLabel_{panel_, host::TwipsRectOfPixels(152, 80, 257, 33), L"", Look(kBlack, false, /*border*/ true)};
    // On the dialog itself.
    controls::CommandButton set_{form_, host::TwipsRectOfPixels(272, 160, 81, 25), ButtonProperties(L"設定")};
    controls::CommandButton cancel_{form_, host::TwipsRectOfPixels(356, 160, 81, 25), ButtonProperties(L"ｷｬﾝｾﾙ")};
    host::Label credit_{form_, host::TwipsRectOfPixels(16, 152, 165, 13), kCreditLine, Look(kWhite)};
    host::Label link_{form_, host::TwipsRectOfPixels(16, 168, 219, 13), kHomePageAddress, LinkLook()};
    // Picture sources, placed where they are never seen.
    host::PictureBox tile_{form_, host::TwipsRectOfPixels(32, 276, 128, 128), kSilver,
                     host::Picture::FromBitmapResource(host_.instance(), "CLOUD_PICTURE")};  // Pic_Mbl
    host::Image markerPictures_[2] = {
        host::Image{form_, host::TwipsRectOfPixels(672, 28, 12, 12), host::Picture::FromBitmapResource(host_.instance(), "MARKER_UNSELECTED")},
        host::Image{form_, host::TwipsRectOfPixels(672, 44, 12, 12), host::Picture::FromBitmapResource(host_.instance(), "MARKER_SELECTED")}};  // Img_Ra
};

}  // namespace

void ShowSettingsDialog(host::FormHost& host, SettingsRecord& settings, int32_t& lastResult) {
    SettingsDialogWindow dialog(host, settings, lastResult);
    dialog.ShowModal();
}

}  // namespace settings
