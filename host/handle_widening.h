// A handle the system hands over in a 32-bit field (a picture's OLE_HANDLE) made pointer-sized
// by the platform's rule for 32-bit handles: sign extension, as LongToHandle does, so a handle
// at 0x80000000 or above keeps its meaning in a 64-bit program. Portable.
#pragma once
#include <cstdint>

namespace host {

constexpr uintptr_t WidenedHandle(uint32_t handle) {
    return static_cast<uintptr_t>(static_cast<intptr_t>(static_cast<int32_t>(handle)));
}

}  // namespace host
