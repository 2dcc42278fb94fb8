// The track box; see track_box.h.
#include "settings/track_box.h"

#include <optional>
#include <string>

#include "host/number_text.h"

namespace settings {

namespace {

constexpr int kListedTracks = 30;

}  // namespace

std::wstring TrackTextOf(int16_t track) { return track == 0 ? std::wstring() : std::to_wstring(track); }

std::vector<std::wstring> TrackListEntries() {
    std::vector<std::wstring> entries;
    for (int16_t track = 0; track <= kListedTracks; ++track) entries.push_back(TrackTextOf(track));
    return entries;
}

int16_t RepeatFromTrackText(const std::wstring& text, int16_t loadedRepeat) {
    // Only ASCII can be part of a number: anything else makes the text no number.
    std::string ascii;
    for (const wchar_t c : text) {
        if (c >= 0x80) return 0;
        ascii.push_back(static_cast<char>(c));
    }
    const std::optional<double> number = host::ReadWholeNumber(ascii);
    if (!number) return 0;
    return host::RoundHalfEvenToInt16(*number).value_or(loadedRepeat);
}

}  // namespace settings
