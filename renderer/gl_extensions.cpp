// Whole-name matching over blank-separated extension lists.
#include "renderer/gl_extensions.h"

#include <string_view>

namespace renderer {
namespace {
constexpr const char* kSwapControlExtension = "WGL_EXT_swap_control";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

bool ListsExtension(const char* list, const char* name) {
    if (!list || !name || !*name) return false;
    const std::string_view entries(list);
    const std::string_view wanted(name);
    size_t at = 0;
    while (at < entries.size()) {
        while (at < entries.size() && IsBlank(entries[at])) ++at;
        size_t end = at;
        while (end < entries.size() && !IsBlank(entries[end])) ++end;
        if (entries.substr(at, end - at) == wanted) return true;
        at = end;
    }
    return false;
}

bool OffersSwapControl(const char* glExtensions, const char* wglExtensions) {
    return ListsExtension(glExtensions, kSwapControlExtension) || ListsExtension(wglExtensions, kSwapControlExtension);
}

}  // namespace renderer
