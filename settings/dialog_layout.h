// Where each part of the settings dialog stands, as described at 96 DPI (stored as twips, 15
// to such a pixel); the panel's parts relative to the panel. The window lays the dialog out
// from these and the accessible parts take their places from them, so what a screen reader
// is told is where the part is drawn, at any DPI. Portable.
#pragma once
#include "host/twips.h"

namespace settings::layout {

using host::TwipsRectOfPixels;

inline constexpr int kClientWidthPx = 453;
inline constexpr int kClientHeightPx = 206;

inline constexpr host::TwipsRect kPanel = TwipsRectOfPixels(16, 16, 421, 125);  // Pic_1
// In the panel.
inline constexpr host::TwipsRect kHeadingFrame = TwipsRectOfPixels(8, 8, 101, 21);
inline constexpr host::TwipsRect kHeading = TwipsRectOfPixels(8, 12, 101, 17);
inline constexpr host::TwipsRect kTrackBox = TwipsRectOfPixels(120, 36, 41, 20);  // BGM_Repeat
inline constexpr host::TwipsRect kTrackLabel = TwipsRectOfPixels(164, 40, 66, 13);
inline constexpr host::TwipsRect kChooseFileButton = TwipsRectOfPixels(120, 80, 29, 21);  // Cmd_BGM
inline constexpr host::TwipsRect kFileLabel = TwipsRectOfPixels(152, 80, 257, 33);  // lbl_Fname
// On the dialog itself.
inline constexpr host::TwipsRect kSetButton = TwipsRectOfPixels(272, 160, 81, 25);
inline constexpr host::TwipsRect kCancelButton = TwipsRectOfPixels(356, 160, 81, 25);
inline constexpr host::TwipsRect kCreditLabel = TwipsRectOfPixels(16, 152, 165, 13);
inline constexpr host::TwipsRect kLinkLabel = TwipsRectOfPixels(16, 168, 219, 13);
// Picture sources, where they are never seen.
inline constexpr host::TwipsRect kTileBox = TwipsRectOfPixels(32, 276, 128, 128);  // Pic_Mbl
inline constexpr host::TwipsRect kUnselectedMarkerPicture = TwipsRectOfPixels(672, 28, 12, 12);  // Img_Ra(0)
inline constexpr host::TwipsRect kSelectedMarkerPicture = TwipsRectOfPixels(672, 44, 12, 12);   // Img_Ra(1)

// The music kinds' rows in the panel, top to bottom: audio CD, none, music file.
inline constexpr int kKindRows = 3;
inline constexpr int kMarkerOfRow[kKindRows] = {1, 0, 2};
inline constexpr const wchar_t* kKindTextOfRow[kKindRows] = {L"音楽CD", L"無し", L"MP3、WAV"};
inline constexpr host::TwipsRect kMarkerOfRowPlace[kKindRows] = {
    TwipsRectOfPixels(36, 40, 13, 13), TwipsRectOfPixels(36, 60, 13, 13), TwipsRectOfPixels(36, 80, 13, 13)};
inline constexpr host::TwipsRect kKindLabelOfRowPlace[kKindRows] = {
    TwipsRectOfPixels(52, 40, 43, 13), TwipsRectOfPixels(52, 60, 23, 13), TwipsRectOfPixels(52, 80, 60, 13)};

}  // namespace settings::layout
