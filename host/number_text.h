// The number rules of the front end: how texts from the command line, the settings file,
// MCI replies and the dialog's track box become numbers. Portable: no platform headers.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace host {

// Reads the number at the start of text: leading blanks are skipped, reading stops at the
// first character that cannot continue the number; text without a number gives 0.
double ReadNumberPrefix(std::string_view text);

// The value of text when the whole text (blanks around it allowed) reads as one number;
// nothing for an empty text, trailing garbage or a number that does not fit a double.
std::optional<double> ReadWholeNumber(std::string_view text);

// Rounds down to a whole number; nothing when the result lies outside -32768..32767.
std::optional<int16_t> FloorToInt16(double value);

// Rounds half to even (2.5 gives 2, 3.5 gives 4); nothing outside -32768..32767.
std::optional<int16_t> RoundHalfEvenToInt16(double value);

// Rounds half to even into a signed 32-bit value; nothing outside its range.
std::optional<int32_t> RoundHalfEvenToInt32(double value);

}  // namespace host
