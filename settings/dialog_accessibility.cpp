// The settings dialog's accessible parts; see dialog_accessibility.h.
#include "settings/dialog_accessibility.h"

#include "settings/credits.h"
#include "settings/dialog_layout.h"

namespace settings {

namespace {

// Default actions by the names the system's own controls give them in Japanese.
constexpr const wchar_t* kPress = L"押す";
constexpr const wchar_t* kCheck = L"チェック";
constexpr const wchar_t* kJump = L"ジャンプ";

// A place of the dialog itself, in client pixels.
host::PixelRect OnDialog(const host::TwipsRect& place, int dpi) { return host::PixelsOf(place, dpi); }

// A place in the panel, in the dialog's client pixels: the panel's own pixels (the window it
// is) shifted by where the panel stands.
host::PixelRect InPanel(const host::TwipsRect& place, int dpi) {
    const host::PixelRect panel = host::PixelsOf(layout::kPanel, dpi);
    const host::PixelRect inside = host::PixelsOf(place, dpi);
    return {panel.left + inside.left, panel.top + inside.top, panel.left + inside.right, panel.top + inside.bottom};
}

host::PixelRect Union(const host::PixelRect& a, const host::PixelRect& b) {
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top, a.right > b.right ? a.right : b.right,
            a.bottom > b.bottom ? a.bottom : b.bottom};
}

AccessibleStates ButtonStates(const ButtonLookSeen& look) {
    AccessibleStates states;
    states.focusable = true;
    states.focused = look.focused;
    states.hot = look.hot;
    states.pressed = look.pressed;
    states.unavailable = !look.enabled;
    return states;
}

int RowOfMarker(int marker) {
    for (int row = 0; row < layout::kKindRows; ++row) {
        if (layout::kMarkerOfRow[row] == marker) return row;
    }
    return 0;
}

const ButtonLookSeen* ButtonOf(const DialogSeen& seen, DialogPart part) {
    switch (part) {
        case DialogPart::ChooseFile: return &seen.chooseFile;
        case DialogPart::Set: return &seen.set;
        case DialogPart::Cancel: return &seen.cancel;
        default: return nullptr;
    }
}

std::optional<DialogPart> FocusedPart(const DialogSeen& seen) {
    if (seen.panelFocused) return DialogPart::MusicPanel;
    if (seen.trackBoxFocused) return DialogPart::TrackBox;
    for (DialogPart button : {DialogPart::ChooseFile, DialogPart::Set, DialogPart::Cancel}) {
        if (ButtonOf(seen, button)->focused) return button;
    }
    return std::nullopt;
}

}  // namespace

std::vector<AccessiblePart> AccessibleParts(const DialogSeen& seen) {
    const int dpi = seen.dpi;
    std::vector<AccessiblePart> parts;
    parts.reserve(kDialogPartCount);

    AccessiblePart panel{DialogPart::MusicPanel, L"BGM", AccessibleRole::Grouping, L"", {}, OnDialog(layout::kPanel, dpi), L""};
    panel.states.focusable = true;
    panel.states.focused = seen.panelFocused;
    parts.push_back(panel);

    // The kinds in the order of their parts: audio CD, none, music file (as drawn, top down).
    const DialogPart kinds[] = {DialogPart::KindCd, DialogPart::KindNone, DialogPart::KindFile};
    const int markers[] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) {
        const int row = RowOfMarker(markers[i]);
        AccessiblePart kind{kinds[i], layout::kKindTextOfRow[row], AccessibleRole::RadioButton, L"", {},
                            Union(InPanel(layout::kMarkerOfRowPlace[row], dpi), InPanel(layout::kKindLabelOfRowPlace[row], dpi)),
                            kCheck};
        kind.states.checked = seen.chosenKind == markers[i];
        parts.push_back(kind);
    }

    AccessiblePart track{DialogPart::TrackBox, L"曲目をﾘﾋﾟｰﾄ", AccessibleRole::ComboBox, seen.trackText, {},
                         InPanel(layout::kTrackBox, dpi), L""};
    track.states.focusable = true;
    track.states.focused = seen.trackBoxFocused;
    parts.push_back(track);

    parts.push_back(AccessiblePart{DialogPart::ChooseFile, L"音楽ファイルを選択", AccessibleRole::PushButton, L"",
                                   ButtonStates(seen.chooseFile), InPanel(layout::kChooseFileButton, dpi), kPress});

    AccessiblePart file{DialogPart::MusicFile, L"BGMﾌｧｲﾙ", AccessibleRole::Text, seen.musicFile, {},
                        InPanel(layout::kFileLabel, dpi), L""};
    file.states.readOnly = true;
    parts.push_back(file);

    parts.push_back(AccessiblePart{DialogPart::Set, L"設定", AccessibleRole::PushButton, L"", ButtonStates(seen.set),
                                   OnDialog(layout::kSetButton, dpi), kPress});
    parts.push_back(AccessiblePart{DialogPart::Cancel, L"ｷｬﾝｾﾙ", AccessibleRole::PushButton, L"",
                                   ButtonStates(seen.cancel), OnDialog(layout::kCancelButton, dpi), kPress});

    AccessiblePart credit{DialogPart::Credit, kCreditLine, AccessibleRole::StaticText, L"", {},
                          OnDialog(layout::kCreditLabel, dpi), L""};
    credit.states.readOnly = true;
    parts.push_back(credit);

    AccessiblePart link{DialogPart::Link, kHomePageAddress, AccessibleRole::Link, kHomePageAddress, {},
                        OnDialog(layout::kLinkLabel, dpi), kJump};
    link.states.linked = true;
    parts.push_back(link);
    return parts;
}

DialogCommand DefaultActionOf(DialogPart part) {
    switch (part) {
        case DialogPart::KindCd: return {DialogCommand::Kind::ChooseKind, 1};
        case DialogPart::KindNone: return {DialogCommand::Kind::ChooseKind, 0};
        case DialogPart::KindFile: return {DialogCommand::Kind::ChooseKind, 2};
        case DialogPart::ChooseFile: return {DialogCommand::Kind::ChooseFile, 0};
        case DialogPart::Set: return {DialogCommand::Kind::Set, 0};
        case DialogPart::Cancel: return {DialogCommand::Kind::Cancel, 0};
        case DialogPart::Link: return {DialogCommand::Kind::OpenLink, 0};
        default: return {};
    }
}

std::optional<DialogPart> PartAt(const std::vector<AccessiblePart>& parts, int xPx, int yPx) {
    std::optional<DialogPart> found;
    for (const AccessiblePart& part : parts) {
        const host::PixelRect& p = part.place;
        if (xPx < p.left || xPx >= p.right || yPx < p.top || yPx >= p.bottom) continue;
        // The panel holds parts of its own: one of them, where the point is on one, wins.
        if (!found || *found == DialogPart::MusicPanel) found = part.part;
    }
    return found;
}

std::vector<AccessibleEvent> AccessibleEventsBetween(const DialogSeen& before, const DialogSeen& after) {
    std::vector<AccessibleEvent> events;
    const std::vector<AccessiblePart> was = AccessibleParts(before);
    const std::vector<AccessiblePart> is = AccessibleParts(after);
    for (size_t i = 0; i < is.size() && i < was.size(); ++i) {
        // Focus is told by its own event, not as a change of state.
        AccessibleStates wasStates = was[i].states;
        wasStates.focused = is[i].states.focused;
        if (wasStates != is[i].states) events.push_back({AccessibleEvent::Kind::StateChange, is[i].part});
        if (is[i].states.checked && !was[i].states.checked) events.push_back({AccessibleEvent::Kind::Selection, is[i].part});
        if (is[i].value != was[i].value) events.push_back({AccessibleEvent::Kind::ValueChange, is[i].part});
    }
    const std::optional<DialogPart> focus = FocusedPart(after);
    if (focus && focus != FocusedPart(before)) events.push_back({AccessibleEvent::Kind::Focus, *focus});
    return events;
}

}  // namespace settings
