// The front end's own window title and its message boxes' caption. The titles by which the
// programs find one another are in common/exchange_names.h. Portable.
#pragma once

namespace frontend {

// The preview form inside the display settings' preview pane.
inline constexpr const char* kPreviewFormTitle = "Preview Window";
// The caption of message boxes that give none of their own.
inline constexpr const wchar_t* kApplicationTitle = L"Vaporquill (Screen Saver)";

}  // namespace frontend
