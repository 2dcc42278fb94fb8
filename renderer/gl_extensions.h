// Reading the extension lists a GL driver reports (names separated by blanks). Portable:
// the strings are fetched by the platform layer and handed in.
#pragma once

namespace renderer {

// True when `name` appears in `list` as a whole entry, not merely as the start of a longer
// name ("WGL_EXT_swap_control" is not offered by "WGL_EXT_swap_control_tear"). A null list
// lists nothing.
bool ListsExtension(const char* list, const char* name);

// Drivers differ in where they list the swap-interval extension: some only among the GL
// extensions, some only in the WGL string. Either is enough.
bool OffersSwapControl(const char* glExtensions, const char* wglExtensions);

}  // namespace renderer
