// The program's resources; see program_resources_win32.h.
#include "host/program_resources_win32.h"

namespace host {

std::optional<std::string_view> ResourceBytes(HINSTANCE module, const char* name) {
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10) /*RT_RCDATA*/);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(module, found));
}

std::optional<StoredPicture> StoredPictureResource(HINSTANCE module, const char* name) {
    const auto bytes = ResourceBytes(module, name);
    if (!bytes) return std::nullopt;
    return PictureFromBitmapFile(*bytes);
}

}  // namespace host
