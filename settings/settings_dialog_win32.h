// The settings dialog "<Vaporquill>" (Cirrovance_P), shown modally and without owner.
// Win32 only.
#pragma once
#include <cstdint>

#include "host/form_host_win32.h"
#include "settings/settings_record.h"

namespace settings {

// Returns when the dialog has closed. Only the dialog changes the record; it writes it
// back with SaveSettings when the user confirms with "設定".
void ShowSettingsDialog(host::FormHost& host, SettingsRecord& settings, int32_t& lastResult);

}  // namespace settings
