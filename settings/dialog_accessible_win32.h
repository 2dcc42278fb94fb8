// The settings dialog's accessible object for screen readers (Active Accessibility, which UI
// Automation reads through its bridge): it answers the system's questions from the portable
// parts of dialog_accessibility and hands default actions to the dialog. Win32 only.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/dialog_accessibility.h"

namespace settings {

// What the object asks of the dialog, each time it is asked.
struct AccessibleDialogSource {
    std::function<std::vector<AccessiblePart>()> parts;
    // Carries out a part's default action later, on the dialog's own turn; false when refused.
    std::function<bool(DialogPart)> doDefaultAction;
};

class AccessibleObjectLink;

// Owns the accessible object of one window: the whole dialog (its parts as children), or one
// part that has a window of its own (a button, the panel). A screen reader may keep the
// object after the dialog has gone: from the owner's end on, every call fails as disconnected.
class AccessibleDialogObject {
  public:
    AccessibleDialogObject(std::shared_ptr<const AccessibleDialogSource> source, std::optional<DialogPart> self = std::nullopt);
    ~AccessibleDialogObject();
    AccessibleDialogObject(const AccessibleDialogObject&) = delete;
    AccessibleDialogObject& operator=(const AccessibleDialogObject&) = delete;

    // The answer to WM_GETOBJECT for ownWindow: the object for OBJID_CLIENT, 0 (the system's
    // own) for anything else.
    LRESULT Answer(HWND ownWindow, WPARAM flags, LPARAM objectId);

  private:
    bool comStarted_ = false;
    std::shared_ptr<AccessibleObjectLink> link_;
    IUnknown* object_ = nullptr;  // our reference, made at the first request
    std::optional<DialogPart> self_;
};

// Names a window of the system's own control (the track box) for screen readers that meet it by
// its window (its focus), through the system's annotation service; false where the system has
// none. WINE: Wine 8 does not keep such names; the dialog's own object names the box too.
bool NameSystemWindow(HWND window, const std::wstring& name);

// Tells screen readers what changed, on the dialog's window: each part is child number
// (its place in DialogPart's order) + 1.
void AnnounceAccessibleEvents(HWND dialog, const std::vector<AccessibleEvent>& events);

}  // namespace settings
