// Which music plays; see music_choice.h.
#include "music/music_choice.h"

#include <string>

namespace music {

namespace {

// The last three characters of an ANSI text, with ASCII letters upper-cased. Two-byte
// characters are found by walking from the start, as only a lead byte tells where one begins.
std::string UpperLastThreeCharacters(const std::string& text, const LeadByteTest& isLeadByte) {
    size_t starts[3] = {0, 0, 0};
    for (size_t at = 0; at < text.size();) {
        starts[0] = starts[1];
        starts[1] = starts[2];
        starts[2] = at;
        const bool twoBytes = isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size();
        at += twoBytes ? 2 : 1;
    }
    std::string ending = text.substr(starts[0]);
    // Only ASCII letters change, never the trail byte of a two-byte character: the endings
    // looked for are plain ASCII.
    for (size_t at = 0; at < ending.size(); ++at) {
        char& c = ending[at];
        if (isLeadByte(static_cast<unsigned char>(c))) {
            ++at;
        } else if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return ending;
}

}  // namespace

MusicToPlay ChooseMusic(const settings::SettingsRecord& settings, const LeadByteTest& isLeadByte) {
    if (settings.BgmKind == settings::kBgmAudioCd) return MusicToPlay::AudioCd;
    if (settings.BgmKind != settings::kBgmMusicFile) return MusicToPlay::None;
    const std::string ending = UpperLastThreeCharacters(settings.BgmFile, isLeadByte);
    if (ending == "WAV") return MusicToPlay::WavFile;
    if (ending == "MP3") return MusicToPlay::Mp3File;
    return MusicToPlay::None;
}

}  // namespace music
