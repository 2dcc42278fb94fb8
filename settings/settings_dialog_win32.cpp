// The settings dialog. For now an empty window of the dialog's title and size that closes
// on a close request: it shows no controls and changes no settings yet.
#include "settings/settings_dialog_win32.h"

#include "settings/settings_dialog_title.h"

void ShowSettingsDialog(FormHost& host, SettingsRecord& /*settings*/, int32_t& /*lastResult*/) {
    constexpr int kClientWidthPx = 453;
    constexpr int kClientHeightPx = 206;
    Form dialog(host, kSettingsDialogTitle, FormLook{true, RGB(128, 128, 128), kClientWidthPx, kClientHeightPx},
                FormHandlers{});
    dialog.ShowModal();
}
