// Which music a saver session plays for the settings record: the kind, and for a music file
// the type its name ends in. Portable: the platform says which bytes begin a two-byte
// character of the ANSI code page in which the path is held.
#pragma once
#include <functional>

#include "settings/settings_record.h"

namespace music {

enum class MusicToPlay { None, AudioCd, WavFile, Mp3File };

using LeadByteTest = std::function<bool(unsigned char)>;

// Kind 1 is the audio CD; kind 2 a music file by the last three characters of its name,
// upper-cased ("WAV" or "MP3"; any other ending plays nothing); every other kind nothing.
// Characters, not bytes: isLeadByte tells where a two-byte character begins.
MusicToPlay ChooseMusic(const settings::SettingsRecord& settings, const LeadByteTest& isLeadByte);

}  // namespace music
