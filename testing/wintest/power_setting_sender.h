// Sends a window of another process the power setting notification the system would send
// (WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE) for a setting and its 32-bit value, with the
// setting block written into that process, where a pointer from here would mean nothing.
// WINE: Wine delivers no power setting notifications of its own. For the end-to-end tests and
// the benchmarks; Win32 only, header-only, needing nothing but the system.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstring>

namespace wintest {

// True when the window answered TRUE within the bound.
inline bool SendPowerSetting(HANDLE process, HWND window, const GUID& setting, DWORD value,
                             UINT timeoutMs = 30000) {
    BYTE notice[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)] = {};
    const DWORD length = sizeof(value);
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, PowerSetting), &setting, sizeof(GUID));
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, DataLength), &length, sizeof(length));
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, Data), &value, sizeof(value));
    void* remote = VirtualAllocEx(process, nullptr, sizeof(notice), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return false;
    DWORD_PTR result = 0;
    const bool sent = WriteProcessMemory(process, remote, notice, sizeof(notice), nullptr) &&
                      SendMessageTimeoutA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                                          reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, timeoutMs, &result);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return sent && result == TRUE;
}

}  // namespace wintest
