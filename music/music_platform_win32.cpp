// winmm behind MusicPlatform; see music_platform_win32.h. Thin on purpose: every decision
// about what to send and how to read the answer is in music_player.
#include "music/music_platform_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include "host/ansi_text_win32.h"

namespace music {

uint32_t MusicPlatformWin32::SendMciString(const char* command, char* reply,
                                           uint32_t replySize) {
    // Synchronous from our side; no window takes notifications.
    return mciSendStringA(command, reply, replySize, nullptr);
}

bool MusicPlatformWin32::GetMciErrorString(uint32_t code, char* text, uint32_t textSize) {
    return mciGetErrorStringA(code, text, textSize) != FALSE;
}

uint32_t MusicPlatformWin32::CountWaveOutDevices() { return waveOutGetNumDevs(); }

int32_t MusicPlatformWin32::PlaySoundNamed(const char* name, uint32_t flags) {
    return PlaySoundA(name, nullptr, flags);
}

// The host's one conversion to the ANSI code page.
std::string MusicPlatformWin32::ToAnsi(std::wstring_view text) { return host::ToAnsi(std::wstring(text)); }

bool MusicPlatformWin32::IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace music
