// The settings dialog on the form host: its window, controls and pictures, the gradient and
// the tiled panel, and the system calls its decisions need. settings_dialog decides what
// each handler does, dialog_layout says where each part stands and dialog_accessibility what
// a screen reader is told; this file lays the dialog out at its DPI and carries the calls out.
#include "settings/settings_dialog_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
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
#include "settings/dialog_accessibility.h"
#include "settings/dialog_accessible_win32.h"
#include "settings/dialog_background.h"
#include "settings/dialog_layout.h"
#include "settings/save_failure_message.h"
#include "settings/settings_dialog.h"

#include "settings/settings_file_win32.h"

namespace settings {

namespace {

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
        for (int row = 0; row < layout::kKindRows; ++row) {
            markers_.Add(layout::kMarkerOfRow[row], panel_, layout::kMarkerOfRowPlace[row]);
            kindLabels_.Add(layout::kMarkerOfRow[row], panel_, layout::kKindLabelOfRowPlace[row],
                            layout::kKindTextOfRow[row], Look(kBlack));
        }
        chooseFile_.Click = [this] { OnChooseFileClicked(); };
        set_.Click = [this] { OnSetClicked(); };
        cancel_.Click = [this] { form_.Unload(); };  // nothing written
        link_.pointer = LoadCursor(nullptr, IDC_HAND);
        link_.events.click = [this] { OnLinkClicked(); };
        form_.SetFocusOrder({&panel_, &track_, &set_, &cancel_, &chooseFile_, &tile_});
        form_.events.dpiChanged = [this] { OnDpiChanged(); };
        MakeAccessible();
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
        UsePicturesAtDpi();
        lastResult_ = TilePanel();
        ShowMarkers(opening.selectedMarker);
        track_.SetText(opening.trackText);
        track_.ClearItems();
        for (const std::wstring& entry : opening.trackEntries) track_.AddItem(entry);
        track_.SetText(opening.trackText);
        fileLabel_.SetCaption(host::FromAnsi(opening.ansiFile));
        // Skipped by design: where the system keeps no such names, the dialog's parts still
        // name the box.
        NameSystemWindow(track_.controlWindow(), PartNamed(DialogPart::TrackBox));
        AnimateCaption(opening.zoomOrigin, DialogFrame());
        host_.SetScreenPointer(host::ScreenPointer::Default);
    }

    // The unload handler, whoever closes the dialog: the caption shrinks back to where the
    // pointer was when it opened.
    void OnUnload() { AnimateCaption(DialogFrame(), dialog_.ZoomOrigin()); }

    void OnKindClicked(int index) {
        if (const std::optional<int> selected = dialog_.OnKindClicked(index)) ShowMarkers(selected);
        Announce();
    }

    void OnChooseFileClicked() {
        std::string chosen;
        lastResult_ = ChooseBgmFile(form_.window(), host_.instance(), chosen);
        if (const std::optional<std::string> shown = dialog_.OnFileChosen(lastResult_, chosen)) {
            fileLabel_.SetCaption(host::FromAnsi(*shown));
        }
        Announce();
    }

    // Moved to a monitor of another scale: the controls already stand at the new DPI and the
    // gradient was drawn at the new size; the pictures are made again at the new scale.
    void OnDpiChanged() {
        UsePicturesAtDpi();
        lastResult_ = TilePanel();
        ShowMarkers(shownMarker_);
        DrawBackground();
    }

    // The tile and the markers as shown at the dialog's DPI (the same pictures at 96).
    void UsePicturesAtDpi() {
        const int dpi = form_.dpi();
        if (picturesDpi_ == dpi) return;
        tile_.SetPicture(host::Picture::FromBitmapResourceAt(host_.instance(), "CLOUD_PICTURE", dpi));
        markerPictures_[0].SetPicture(host::Picture::FromBitmapResourceAt(host_.instance(), "MARKER_UNSELECTED", dpi));
        markerPictures_[1].SetPicture(host::Picture::FromBitmapResourceAt(host_.instance(), "MARKER_SELECTED", dpi));
        picturesDpi_ = dpi;
    }

    // A default action a screen reader asked for: done as the click it stands for, on the
    // dialog's own turn once the reader's call has returned (a file chooser or the end of the
    // dialog must not run inside it).
    bool DoDefaultAction(DialogPart part) {
        const DialogCommand command = DefaultActionOf(part);
        if (command.kind == DialogCommand::Kind::None || !form_.window() || !IsWindowEnabled(form_.window())) return false;
        form_.RunLater([this, command] {
            switch (command.kind) {
                case DialogCommand::Kind::ChooseKind: OnKindClicked(command.musicKind); break;
                case DialogCommand::Kind::ChooseFile: OnChooseFileClicked(); break;
                case DialogCommand::Kind::Set: OnSetClicked(); break;
                case DialogCommand::Kind::Cancel: form_.Unload(); break;
                case DialogCommand::Kind::OpenLink: OnLinkClicked(); break;
                case DialogCommand::Kind::None: break;
            }
        });
        return true;
    }

    std::wstring PartNamed(DialogPart which) const {
        for (const AccessiblePart& part : AccessibleParts(Seen())) {
            if (part.part == which) return part.name;
        }
        return L"";
    }

    static ButtonLookSeen LookOf(const controls::CommandButton& button, HWND focused) {
        const controls::ButtonState& state = button.state();
        return ButtonLookSeen{state.FaceState == controls::kFaceHighLight || state.FaceState == controls::kFaceHighLightSelect,
                              state.MouseHeld, state.enabled, focused && focused == button.window()};
    }

    DialogSeen Seen() const {
        const HWND focused = GetFocus();
        const HWND track = track_.controlWindow();
        DialogSeen seen;
        seen.dpi = form_.dpi();
        seen.chosenKind = shownMarker_;
        seen.trackText = track_.text();
        seen.musicFile = fileLabel_.caption();
        seen.panelFocused = focused && focused == panel_.window();
        seen.trackBoxFocused = focused && track && (focused == track || IsChild(track, focused));
        seen.chooseFile = LookOf(chooseFile_, focused);
        seen.set = LookOf(set_, focused);
        seen.cancel = LookOf(cancel_, focused);
        return seen;
    }

    // Tells a screen reader what changed since it was last told.
    void Announce() {
        if (!form_.window()) return;
        const DialogSeen now = Seen();
        AnnounceAccessibleEvents(form_.window(), AccessibleEventsBetween(announced_, now));
        announced_ = now;
    }

    // The dialog answers for its parts; a part with a window of its own (the panel, each
    // button) answers for itself where the system asks that window (its focus, say).
    void MakeAccessible() {
        auto source = std::make_shared<AccessibleDialogSource>();
        source->parts = [this] { return AccessibleParts(Seen()); };
        source->doDefaultAction = [this](DialogPart part) { return DoDefaultAction(part); };
        source_ = source;
        accessible_.emplace_back(std::make_unique<AccessibleDialogObject>(source));
        Answering(form_, *accessible_.back());
        const std::pair<host::Container*, DialogPart> ownWindows[] = {{&panel_, DialogPart::MusicPanel},
            {&chooseFile_, DialogPart::ChooseFile}, {&set_, DialogPart::Set}, {&cancel_, DialogPart::Cancel}};
        for (const auto& [container, part] : ownWindows) {
            accessible_.emplace_back(std::make_unique<AccessibleDialogObject>(source, part));
            Answering(*container, *accessible_.back());
        }
        for (controls::CommandButton* button : {&chooseFile_, &set_, &cancel_}) button->lookChanged = [this] { Announce(); };
        panel_.events.gotFocus = [this] { Announce(); };
        panel_.events.lostFocus = [this] { Announce(); };
    }

    static void Answering(host::Container& window, AccessibleDialogObject& object) {
        window.answerAccessibleObject = [&window, &object](WPARAM flags, LPARAM objectId) {
            return object.Answer(window.window(), flags, objectId);
        };
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
        shownMarker_ = selected;
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
    // What a screen reader was last told, and the objects it asks; set up before the form
    // exists, gone after it (members are destroyed in reverse).
    DialogSeen announced_;
    std::shared_ptr<AccessibleDialogSource> source_;
    std::vector<std::unique_ptr<AccessibleDialogObject>> accessible_;
    std::optional<int> shownMarker_;
    int picturesDpi_ = host::kDesignDpi;  // the stored pictures below are made for 96 DPI
    host::Form form_{host_, common::kSettingsDialogTitle,
                     host::FormLook{true, kStoredGrey, layout::kClientWidthPx, layout::kClientHeightPx},
               host::FormHandlers{[this] { OnLoad(); }, [this] { DrawBackground(); }, nullptr,
                            [this] { OnUnload(); }}};
    // The panel and what it holds, in their places relative to it.
    host::PictureBox panel_{form_, layout::kPanel, kSilver};  // Pic_1
    host::Shape headingFrame_{panel_, layout::kHeadingFrame};
    host::Label heading_{panel_, layout::kHeading, L"BGM", Look(kBlack, /*centred*/ true)};
    host::ControlArray<host::Image> markers_;     // Img_BGM
    host::ControlArray<host::Label> kindLabels_;  // lbl_BGM
    host::ComboBox track_{panel_, layout::kTrackBox};  // BGM_Repeat
    host::Label trackLabel_{panel_, layout::kTrackLabel, L"曲目をﾘﾋﾟｰﾄ", Look(kBlack)};
    controls::CommandButton chooseFile_{panel_, layout::kChooseFileButton, ButtonProperties(L"...")};  // Cmd_BGM
    host::Label fileLabel_{panel_, layout::kFileLabel, L"", Look(kBlack, false, /*border*/ true)};
    // On the dialog itself.
    controls::CommandButton set_{form_, layout::kSetButton, ButtonProperties(L"設定")};
    controls::CommandButton cancel_{form_, layout::kCancelButton, ButtonProperties(L"ｷｬﾝｾﾙ")};
    host::Label credit_{form_, layout::kCreditLabel, kCreditLine, Look(kWhite)};
    host::Label link_{form_, layout::kLinkLabel, kHomePageAddress, LinkLook()};
    // Picture sources, placed where they are never seen.
    host::PictureBox tile_{form_, layout::kTileBox, kSilver,
                     host::Picture::FromBitmapResource(host_.instance(), "CLOUD_PICTURE")};  // Pic_Mbl
    host::Image markerPictures_[2] = {
        host::Image{form_, layout::kUnselectedMarkerPicture, host::Picture::FromBitmapResource(host_.instance(), "MARKER_UNSELECTED")},
        host::Image{form_, layout::kSelectedMarkerPicture, host::Picture::FromBitmapResource(host_.instance(), "MARKER_SELECTED")}};  // Img_Ra
};

}  // namespace

void ShowSettingsDialog(host::FormHost& host, SettingsRecord& settings, int32_t& lastResult) {
    SettingsDialogWindow dialog(host, settings, lastResult);
    dialog.ShowModal();
}

}  // namespace settings
