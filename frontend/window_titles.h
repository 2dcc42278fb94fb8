// Window titles by which the front end finds itself, and its message boxes' caption. The
// renderer's title is in host/exchange_names.h. Portable.
#pragma once

namespace frontend {

// A running saver session (the hidden saver form).
inline constexpr const char* kSaverFormTitle = "Cirrovance_Main";
// The preview form inside the display settings' preview pane.
inline constexpr const char* kPreviewFormTitle = "Preview Window";
// The caption of message boxes that give none of their own.
inline constexpr const wchar_t* kApplicationTitle = L"Vaporquill (Screen Saver)";

}  // namespace frontend
