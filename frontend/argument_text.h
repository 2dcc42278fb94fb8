// What the front end reads from the argument text: the mode letter and the preview host
// window. Portable.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace frontend {

// The second character of the argument text, upper-cased; "" when the text is shorter.
// The first character is never looked at, so "/s", "-s" and "xs" are the same switch.
std::wstring SwitchLetterOf(const std::wstring& argumentText);

// The preview host window: the number at the start of the text from its fourth character
// on (leading blanks skipped), rounded half to even; 0 without a number or when it does
// not fit 32 bits.
int32_t PreviewHostOf(const std::wstring& argumentText);

}  // namespace frontend
