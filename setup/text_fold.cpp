// See text_fold.h. Portable.
#include "setup/text_fold.h"

namespace setup {

std::wstring FoldAsciiCase(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

bool EqualIgnoringAsciiCase(const std::wstring& a, const std::wstring& b) {
    return FoldAsciiCase(a) == FoldAsciiCase(b);
}

}  // namespace setup
