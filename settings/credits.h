// The settings dialog's credit line and the address of the project's home page, behind its
// link label. Portable.
#pragma once

namespace settings {

// "Designed by", the maker's name, and the dialog's own version text.
inline constexpr const wchar_t* kCreditLine = L"Designed by Mistloom Ver.1.0.0";

// The project's home page. NOTE: the project has no public home yet, so this is an address
// under a domain reserved for examples; change it here when it has one.
inline constexpr const wchar_t* kHomePageAddress = L"https://vaporquill.example/";

}  // namespace settings
