// The settings dialog as a screen reader meets it: its parts, each with a name, a role, a
// value, states, a place in the dialog's client area and a default action, from what the
// window shows now; what a part's default action does; which part lies under a point; and
// what to announce when the dialog changed (focus, a chosen kind, a new file, a button's look).
// Portable: dialog_accessible_win32 answers the system's questions with these.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/twips.h"

namespace settings {

// In the order a screen reader lists them: the panel and what it holds, then the dialog's own.
enum class DialogPart : uint8_t {
    MusicPanel, KindCd, KindNone, KindFile, TrackBox, ChooseFile, MusicFile, Set, Cancel, Credit, Link
};
inline constexpr int kDialogPartCount = 11;

enum class AccessibleRole : uint8_t { Grouping, RadioButton, ComboBox, PushButton, StaticText, Text, Link };

struct AccessibleStates {
    bool focusable = false;
    bool focused = false;
    bool checked = false;
    bool hot = false;      // under the pointer, as the button's face shows it
    bool pressed = false;  // the left button held on it
    bool unavailable = false;
    bool readOnly = false;
    bool linked = false;
    bool operator==(const AccessibleStates& o) const {
        return focusable == o.focusable && focused == o.focused && checked == o.checked && hot == o.hot &&
               pressed == o.pressed && unavailable == o.unavailable && readOnly == o.readOnly && linked == o.linked;
    }
    bool operator!=(const AccessibleStates& o) const { return !(*this == o); }
};

struct AccessiblePart {
    DialogPart part = DialogPart::MusicPanel;
    std::wstring name;
    AccessibleRole role = AccessibleRole::StaticText;
    std::wstring value;
    AccessibleStates states;
    host::PixelRect place;        // in the dialog's client pixels, at the dialog's DPI
    std::wstring defaultAction;   // what the action is called; empty for none
};

// What the button's face shows.
struct ButtonLookSeen {
    bool hot = false;
    bool pressed = false;
    bool enabled = true;
    bool focused = false;
};

// What the dialog's window shows now.
struct DialogSeen {
    int dpi = 96;
    std::optional<int> chosenKind;  // the marker shown selected: 0 none, 1 audio CD, 2 music file
    std::wstring trackText;
    std::wstring musicFile;
    bool panelFocused = false;
    bool trackBoxFocused = false;
    ButtonLookSeen chooseFile, set, cancel;
};

// Every part, in DialogPart's order.
std::vector<AccessiblePart> AccessibleParts(const DialogSeen& seen);

// What a part's default action asks the dialog to do: what a click on it does.
struct DialogCommand {
    enum class Kind : uint8_t { None, ChooseKind, ChooseFile, Set, Cancel, OpenLink };
    Kind kind = Kind::None;
    int musicKind = 0;  // for ChooseKind: the marker index
    bool operator==(const DialogCommand& o) const { return kind == o.kind && musicKind == o.musicKind; }
};
DialogCommand DefaultActionOf(DialogPart part);

// The part whose place holds the client point; the panel only where none of its parts is.
std::optional<DialogPart> PartAt(const std::vector<AccessiblePart>& parts, int xPx, int yPx);

// What a screen reader is told when the dialog changed from one look to the next.
struct AccessibleEvent {
    enum class Kind : uint8_t { Focus, StateChange, Selection, ValueChange };
    Kind kind = Kind::Focus;
    DialogPart part = DialogPart::MusicPanel;
    bool operator==(const AccessibleEvent& o) const { return kind == o.kind && part == o.part; }
};
std::vector<AccessibleEvent> AccessibleEventsBetween(const DialogSeen& before, const DialogSeen& after);

}  // namespace settings
