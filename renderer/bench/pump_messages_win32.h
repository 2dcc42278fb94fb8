// The benchmarks' message pump: everything queued, between frames; false once the run is to end.
#pragma once
#include <windows.h>

namespace bench {

inline bool PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

}  // namespace bench
