// Comparing switches and Windows paths without regard to the case of Latin letters. Portable.
#pragma once
#include <string>

namespace setup {

// NOTE: only A-Z fold. Switches are ASCII, and the paths compared are the ones setup itself
// wrote or the system gave back for them, so letters outside ASCII keep their case there.
std::wstring FoldAsciiCase(std::wstring text);
bool EqualIgnoringAsciiCase(const std::wstring& a, const std::wstring& b);

}  // namespace setup
