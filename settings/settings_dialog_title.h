// The settings dialog's window title, by which the start routine also recognises an open
// dialog of another instance. Portable.
#pragma once

namespace settings {

inline constexpr const char* kSettingsDialogTitle = "<Vaporquill>";

}  // namespace settings
