// See saver_path.h. Portable.
#include "setup/saver_path.h"

#include "setup/text_fold.h"

namespace setup {

bool NeedsShortPath(const std::wstring& path, const AnsiCharacterTest& inAnsiCodePage) {
    for (wchar_t c : path) {
        if (c == L' ' || !inAnsiCodePage(c)) return true;
    }
    return false;
}

std::wstring SaverPathToStore(const std::wstring& longPath, const std::wstring& shortPath,
                              const AnsiCharacterTest& inAnsiCodePage) {
    if (!NeedsShortPath(longPath, inAnsiCodePage)) return longPath;
    if (shortPath.empty() || NeedsShortPath(shortPath, inAnsiCodePage)) return longPath;
    return shortPath;
}

bool NamesInstalledSaver(const std::wstring& value, const std::wstring& longPath, const std::wstring& shortPath) {
    std::wstring named = value;
    if (named.size() >= 2 && named.front() == L'"' && named.back() == L'"') named = named.substr(1, named.size() - 2);
    if (named.empty()) return false;
    return EqualIgnoringAsciiCase(named, longPath) || (!shortPath.empty() && EqualIgnoringAsciiCase(named, shortPath));
}

}  // namespace setup
