// The four platform services the music player needs (media control strings, their error
// texts, the wave device count, the simple sound player), as thin byte-level calls so the
// player's exact buffer handling can be driven by a scripted device in tests; and the ANSI
// code page in which the music file's path and the replies are held.
// Portable: no platform headers. The real one is music_platform_win32.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace music {

class MusicPlatform {
  public:
    virtual ~MusicPlatform() = default;

    // mciSendStringA: sends the NUL-terminated command; reply may be null with replySize 0.
    // Gives 0 on success, else the MCI error code. No callback window is used.
    virtual uint32_t SendMciString(const char* command, char* reply, uint32_t replySize) = 0;
    // mciGetErrorStringA: true when a text for the code was written into text.
    virtual bool GetMciErrorString(uint32_t code, char* text, uint32_t textSize) = 0;
    // waveOutGetNumDevs.
    virtual uint32_t CountWaveOutDevices() = 0;
    // PlaySoundA with no module; a null name stops the sound that is playing. Gives the
    // platform's BOOL result.
    virtual int32_t PlaySoundNamed(const char* name, uint32_t flags) = 0;

    // The player's own fixed reply texts are Japanese; they join the platform's replies in
    // the ANSI code page, so the platform converts them.
    virtual std::string ToAnsi(std::wstring_view text) = 0;
    // Whether a byte begins a two-byte character of the code page (the music file's path
    // may hold such characters).
    virtual bool IsLeadByte(unsigned char byte) = 0;
};

}  // namespace music
