// The program's own resources, read in one place: the bytes of an RCDATA resource, and a
// stored picture kept as one (a bitmap file). Win32 only.
#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "host/stored_picture.h"

namespace host {

// The bytes of an RCDATA resource of the module, which live as long as the module; nothing
// when it is missing.
std::optional<std::string_view> ResourceBytes(HINSTANCE module, const char* name);

// A picture kept as a bitmap file in an RCDATA resource; nothing when it is missing or
// damaged.
std::optional<StoredPicture> StoredPictureResource(HINSTANCE module, const char* name);

}  // namespace host
