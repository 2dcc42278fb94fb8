// The settings dialog's track box: how the CD track to repeat is shown in it and read back
// from what the user typed. Portable.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace settings {

// The digit pattern "##": the number's digits without leading zeros, so 0 is empty.
std::wstring TrackTextOf(int16_t track);

// The entries the box offers: no repeat (empty), then tracks 1 to 30.
std::vector<std::wstring> TrackListEntries();

// The repeat "設定" saves: a number rounded half to even into 16 bits; a number outside
// that range keeps the repeat that was loaded; a text that is no number (empty included)
// gives 0.
int16_t RepeatFromTrackText(const std::wstring& text, int16_t loadedRepeat);

}  // namespace settings
