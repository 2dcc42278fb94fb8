// The music player's port over winmm: MCI command strings and error texts, the wave
// device count and the simple sound player, all through the ANSI interface.
#pragma once
#include "music/music_platform.h"

namespace music {

class MusicPlatformWin32 : public MusicPlatform {
  public:
    uint32_t SendMciString(const char* command, char* reply, uint32_t replySize) override;
    bool GetMciErrorString(uint32_t code, char* text, uint32_t textSize) override;
    uint32_t CountWaveOutDevices() override;
    int32_t PlaySoundNamed(const char* name, uint32_t flags) override;
    std::string ToAnsi(std::wstring_view text) override;
    bool IsLeadByte(unsigned char byte) override;
};

}  // namespace music
