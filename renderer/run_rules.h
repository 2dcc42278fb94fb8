// What ends the renderer's run and which keys it remembers: plain decisions over values the
// window layer observed. Portable; no Win32 types.
#pragma once
#include <array>
#include <cstdint>

namespace renderer {

// KeyTable: which virtual keys are down, as the window's key messages reported them.
class KeyTable {
  public:
    // Codes outside 0..255 leave the table unchanged.
    void Set(uintptr_t keyCode, bool isDown) {
        if (keyCode < down_.size()) down_[keyCode] = isDown;
    }
    bool IsDown(uintptr_t keyCode) const { return keyCode < down_.size() && down_[keyCode]; }

  private:
    std::array<bool, 256> down_{};
};

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The pointer ends the run only once it is more than 30 pixels from where it was when the
// flight began on both axes at once: a nudge of the desk or a slide along one edge does not.
// The pixels are those of a 96-DPI screen on the monitor where the pointer started, so the
// hand moves as far at any scaling: more than 45 device pixels at 144 DPI, 60 at 192. A DPI
// that is not known (0 or less) counts as 96.
bool PointerEndsRun(ScreenPoint start, ScreenPoint now, int startMonitorDpi = 96);

}  // namespace renderer
