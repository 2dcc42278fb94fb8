// The settings record: the background-music choice that the settings file keeps, read by
// the saver session and the music player, edited only by the settings dialog.
// Portable: no platform headers.
#pragma once
#include <cstdint>
#include <string>

namespace settings {

struct SettingsRecord {
    int16_t BgmKind = 0;    // 0 none, 1 audio CD, 2 music file; other values mean no music
    int16_t BgmRepeat = 0;  // audio-CD track to repeat; 0 plays the whole disc
    // Path of the music file, in the system's ANSI code page exactly as the profile API and
    // the file dialog hand it over and as MCI and the sound player take it back: keeping the
    // bytes avoids a round trip through Unicode that could change them.
    std::string BgmFile;
};

// Music kinds as stored in the file.
constexpr int16_t kBgmNone = 0;
constexpr int16_t kBgmAudioCd = 1;
constexpr int16_t kBgmMusicFile = 2;

}  // namespace settings
