// What the system's console display state notification means for the flight: fly while the
// display shows a picture (on or dimmed), sleep while it is off. Portable; the window layer
// hands in the notification's data as the system wrote it.
#pragma once
#include <cstdint>
#include <optional>

namespace renderer {

enum class DisplayRun { Fly, Sleep };

// The setting's data: a 32-bit value, 0 off, 1 on, 2 dimmed (little-endian, as on every
// Windows machine). Data too short to hold it says nothing; a value we do not know flies,
// since a saver frozen by a value it did not expect is worse than a frame drawn for nothing.
std::optional<DisplayRun> DisplayRunFor(const uint8_t* data, uint32_t dataLength);

}  // namespace renderer
