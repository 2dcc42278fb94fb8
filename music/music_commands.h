// The media control command strings of the music player, built byte for byte. Paths and
// reply texts are ANSI code-page bytes and pass through unchanged. Portable.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace music {

namespace music_commands {

// The CD is addressed by its device name; a music file is opened under this alias.
inline constexpr const char* kCdDevice = "cdaudio";
inline constexpr const char* kMp3Alias = "MP3Play";

inline constexpr const char* kOpenCd = "open cdaudio";
inline constexpr const char* kCdTimeFormat = "set cdaudio time format tmsf";
inline constexpr const char* kCdCurrentTrack = "status cdaudio current track";
inline constexpr const char* kCdTrackCount = "status cdaudio number of tracks";
inline constexpr const char* kCdMode = "status cdaudio mode";
inline constexpr const char* kStopCd = "stop cdaudio";
inline constexpr const char* kCloseCd = "close cdaudio";

inline constexpr const char* kPlayMp3 = "play MP3Play";
inline constexpr const char* kMp3Mode = "status MP3Play mode";
inline constexpr const char* kStopMp3 = "stop MP3Play";
inline constexpr const char* kRestartMp3 = "play MP3Play from 0";
inline constexpr const char* kCloseMp3 = "close MP3Play";

// "play <device>", with " from <from>" and " to <to>" for the parts that are given.
std::string PlayCommand(std::string_view device, std::string_view from, std::string_view to);

// Opens the file under the alias as an MPEGVideo device whatever its ending; the quotes
// keep a path with blanks in one piece.
std::string OpenMp3Command(std::string_view ansiPath);

// Asks for the start of a track, in the current time format.
std::string TrackPositionQuery(int16_t track);

}  // namespace music_commands

}  // namespace music
