// winmm behind MusicPlatform; see music_platform_win32.h. Thin on purpose: every decision
// about what to send and how to read the answer is in music_player.
#include "music/music_platform_win32.h"

#include <windows.h>
#include <mmsystem.h>

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

std::string MusicPlatformWin32::ToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    const int wideLength = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}
